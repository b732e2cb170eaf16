#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

// What the file chooser showed when it had finished initialising.
struct ChooserView
{
    bool shown = false;
    std::wstring title;
    std::vector<std::wstring> fileTypes;   // the entries of the file-type list
    int selectedFileType = -1;
    DWORD recordSize = 0;                  // lStructSize of the record the program handed over
    DWORD flags = 0;
    HWND owner = nullptr;
    BOOL ownerEnabled = TRUE;
    RECT window = {};
};

// Drives the next file chooser this thread opens, as a user would: once the
// chooser has finished initialising (after the program's own handling of
// CDN_INITDONE) it notes what the chooser shows, then types pathToType into
// the file-name field and presses OK, or presses Cancel when pathToType is
// empty. Works through thread hooks, so the program's code runs unchanged.
class ChooserScript
{
public:
    explicit ChooserScript(std::wstring pathToType);
    ~ChooserScript();
    ChooserScript(const ChooserScript&) = delete;
    ChooserScript& operator=(const ChooserScript&) = delete;

    // Runs at CDN_FILEOK, before the program's hook, on the path buffer the
    // chooser is about to return: what the platform hands back can be changed.
    std::function<void(wchar_t* path)> m_onFileOk;

    const ChooserView& View() const { return m_view; }

private:
    static LRESULT CALLBACK BeforeWindowProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Act(HWND, UINT, UINT_PTR idEvent, DWORD);
    void OnInitDone(HWND hWndHookDialog, const OFNOTIFYW& notify);

    std::wstring m_strPathToType;
    ChooserView m_view;
    HWND m_hWndChooser = nullptr;
    HHOOK m_hBefore;
    HHOOK m_hAfter;
};
