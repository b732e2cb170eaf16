// A dialog built by the dialog manager from one of the inspected module's
// templates, shared by the tests of one suite (hiding or destroying a shown
// window is slow under Wine without a window manager). No dialog procedure of
// the program runs: the window shows what the template alone makes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

class DialogWindow : public testing::Test {
protected:
    // For a derived suite's SetUpTestSuite.
    static void CreateFromTemplate(int templateId);
    static void TearDownTestSuite();
    // Fails the test when the dialog could not be created.
    void SetUp() override;

    static HWND s_dialog;

private:
    static int s_templateId;
    static DWORD s_error;
};
