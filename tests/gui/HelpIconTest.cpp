// The help icon without a help page beside the executable.

#include "tests/gui/InspectorWindow.h"

#include "res/resource.h"

namespace {

using HelpIcon = InspectorWindow;

TEST_F(HelpIcon, ClickWithoutHelpPageSaysSo)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring page = exe;
    page = page.substr(0, page.rfind(L'.')) + L".htm";
    ASSERT_EQ(GetFileAttributesW(page.c_str()), INVALID_FILE_ATTRIBUTES);

    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(IDC_HELP_ICON, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_HELP_ICON)));
    PumpMessages();
    ExpectOneBox(L"抱歉，找不到帮助文件。请下载完整版本。", MB_ICONEXCLAMATION);
}

} // namespace
