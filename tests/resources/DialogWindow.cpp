#include "tests/resources/DialogWindow.h"

#include "tests/resources/ResourceModule.h"

HWND DialogWindow::s_dialog = nullptr;
int DialogWindow::s_templateId = 0;
DWORD DialogWindow::s_error = 0;

namespace {

INT_PTR CALLBACK DefaultDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

void DialogWindow::CreateFromTemplate(int templateId)
{
    s_templateId = templateId;
    s_dialog = CreateDialogParamW(Program().Handle(), MAKEINTRESOURCEW(templateId), nullptr,
                                  DefaultDialogProc, 0);
    s_error = s_dialog ? 0 : GetLastError();
}

void DialogWindow::TearDownTestSuite()
{
    if (s_dialog)
        DestroyWindow(s_dialog);
    s_dialog = nullptr;
}

void DialogWindow::SetUp()
{
    ASSERT_NE(s_dialog, nullptr) << "dialog " << s_templateId << ", error " << s_error;
}
