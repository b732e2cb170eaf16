#include "about/ShellOpen.h"

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

namespace {

// The folder part of a path, as PathRemoveFileSpecW leaves it. The buffer is
// as long as the path, so no length limit cuts it short.
std::wstring FolderOf(const std::wstring& path)
{
    std::vector<wchar_t> folder(path.begin(), path.end());
    folder.push_back(L'\0');
    PathRemoveFileSpecW(folder.data());
    return folder.data();
}

std::wstring ModulePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

HWND MainWindowHandle()
{
    CWnd* mainWnd = AfxGetMainWnd();
    return mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr;
}

} // namespace

bool ShellOpenPath(const std::wstring& path)
{
    const std::wstring folder = FolderOf(path);
    const HINSTANCE result = ShellExecuteW(MainWindowHandle(), nullptr, path.c_str(), nullptr,
                                           folder.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::wstring HelpPagePath()
{
    // PathRenameExtensionW in effect: the part from the file name's last dot
    // on is replaced, and a name without one gets ".htm" appended.
    std::wstring path = ModulePath();
    const wchar_t* extension = PathFindExtensionW(path.c_str());
    path.resize(extension - path.c_str());
    return path + L".htm";
}

void OpenHelpPage()
{
    const std::wstring page = HelpPagePath();
    if (!PathFileExistsW(page.c_str())) {
        AfxMessageBox(L"抱歉，找不到帮助文件。请下载完整版本。");
        return;
    }
    ShellOpenPath(page);
}
