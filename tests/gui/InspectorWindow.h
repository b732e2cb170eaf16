#pragma once

#include "tests/support/TempDir.h"
#include "tests/winsupport/MessageBoxRecorder.h"
#include "tests/winsupport/MessagePump.h"
#include "ui/InspectorDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The main dialog created modelessly on IDD_MAIN as the application's main
// window, with message boxes recorded and a private temporary folder.
class InspectorWindow : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the dialog; SetUp calls it unless the test presets members first.
    void Open();

    HWND Dialog() const { return m_dlg.m_hWnd; }
    HWND Item(int nID) const { return GetDlgItem(m_dlg.m_hWnd, nID); }
    std::wstring Text(int nID) const;
    int Selection(int nID) const;
    bool BaselineChecked() const;

    // Writes bytes under name in the temporary folder and returns the path.
    std::wstring WriteFile(const std::wstring& name, const std::vector<unsigned char>& bytes) const;
    // Types path into the path field and runs the Start command as the
    // Start button does, through the queue.
    void Start(const std::wstring& path);
    void PostCommand(int nID, int nCode = 0, HWND hWndCtl = nullptr);
    void ChooseQuality(int nListID, int quality);

    // The one recorded message box, checked for the program's caption and owner.
    void ExpectOneBox(const std::wstring& text, UINT icon) const;
    const std::vector<RecordedMessageBox>& Boxes() const { return m_boxes.Boxes(); }

    // The text colour the dialog gives IDC_QUALITY when it is drawn.
    COLORREF QualityTextColour() const;

    CInspectorDlg m_dlg;
    TempDir m_dir;
    bool m_bOpenInSetUp = true;

private:
    MessageBoxRecorder m_boxes;
};
