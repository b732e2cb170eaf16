#include "about/LinkLabel.h"

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <shellapi.h>

#include <cwchar>

BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OpenLinkTarget)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CLinkLabel::CLinkLabel()
    : m_crHover(GetSysColor(COLOR_HIGHLIGHT))
{
}

CLinkLabel::~CLinkLabel()
{
    m_font.DeleteObject();
    if (m_hCursor != nullptr) {
        DestroyCursor(m_hCursor);
        m_hCursor = nullptr;
    }
    m_toolTip.DestroyWindow();
}

void CLinkLabel::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    std::wstring text;
    GetWindowText(text);
    if (m_strTarget.empty())
        m_strTarget = text;
    if (text.empty())
        SetWindowText(m_strTarget.c_str());
    CreateUnderlineFont();
    FitToText();
    if (m_hCursor == nullptr) {
        // Loaded unshared, so that the label owns the handle it destroys.
        m_hCursor = static_cast<HCURSOR>(LoadImageW(AfxGetResourceHandle(),
                                                    MAKEINTRESOURCEW(IDR_HAND_CURSOR),
                                                    IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    }
    RECT client;
    GetClientRect(&client);
    m_toolTip.Create(this);
    m_toolTip.AddTool(this, m_strTarget.c_str(), &client, kLinkToolId);
    CStatic::PreSubclassWindow();
}

void CLinkLabel::CreateUnderlineFont()
{
    LOGFONTW logFont = {};
    HFONT controlFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (controlFont == nullptr)
        controlFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    GetObjectW(controlFont, sizeof logFont, &logFont);
    logFont.lfUnderline = m_bUnderline ? TRUE : FALSE;
    // A label attached again (its dialog run once more) makes a fresh copy.
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&logFont))
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_font)), TRUE);
}

void CLinkLabel::SetLinkTarget(const std::wstring& target)
{
    m_strTarget = target;
    if (m_hWnd == nullptr)
        return;
    FitToText();
    m_toolTip.UpdateTipText(m_strTarget.c_str(), this, kLinkToolId);
}

void CLinkLabel::FitToText()
{
    if (m_hWnd == nullptr || !m_bFitToText)
        return;
    RECT rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&rect);

    std::wstring text;
    GetWindowText(text);
    SIZE extent = {};
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = SelectObject(hDC, m_font.m_hObject != nullptr
                                            ? static_cast<HGDIOBJ>(m_font.m_hObject)
                                            : reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(hDC, oldFont);
    ::ReleaseDC(m_hWnd, hDC);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const int inset = (rect.bottom - rect.top - extent.cy) / 2;
        rect.top += inset;
        rect.bottom -= inset;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    // SS_CENTER and SS_RIGHT are bits of the style's low type field.
    if (style & SS_CENTER) {
        const int inset = (rect.right - rect.left - extent.cx) / 2;
        rect.left += inset;
        rect.right -= inset;
    } else if (style & SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER);
}

BOOL CLinkLabel::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

HBRUSH CLinkLabel::CtlColor(HDC hDC, UINT)
{
    SetTextColor(hDC, m_hover.IsHovering() ? m_crHover : m_bVisited ? m_crVisited : m_crLink);
    SetBkMode(hDC, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

BOOL CLinkLabel::OnSetCursor(CWnd*, UINT, UINT)
{
    return ShowControlCursor(m_hCursor);
}

void CLinkLabel::OnMouseMove(UINT, POINT point)
{
    Default();
    m_hover.OnMouseMove(*this, point);
}

namespace {

bool Succeeded(int code)
{
    return code > 32;
}

int ShellOpen(HWND hWndOwner, const std::wstring& file)
{
    const HINSTANCE result = ShellExecuteW(hWndOwner, L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

// The default value of HKEY_CLASSES_ROOT\keyPath, read whole: its size is
// asked for first.
bool ReadClassesDefault(const std::wstring& keyPath, std::wstring& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    LONG bytes = 0;
    bool read = RegQueryValueW(key, nullptr, nullptr, &bytes) == ERROR_SUCCESS && bytes > 0;
    if (read) {
        std::wstring buffer(static_cast<size_t>(bytes) / sizeof(wchar_t) + 1, L'\0');
        read = RegQueryValueW(key, nullptr, &buffer[0], &bytes) == ERROR_SUCCESS;
        value.assign(buffer.c_str());
    }
    RegCloseKey(key);
    return read;
}

// Runs the ".htm" opener on target; false, leaving code alone, when no opener
// is registered.
bool OpenWithHtmlProgram(const std::wstring& target, int& code)
{
    std::wstring commandTemplate;
    if (!RegisteredHtmlCommand(commandTemplate))
        return false;
    CWnd* mainWnd = AfxGetMainWnd();
    code = ShellOpen(mainWnd != nullptr ? mainWnd->GetSafeHwnd() : nullptr,
                     FallbackCommandLine(commandTemplate, target));
    return true;
}

} // namespace

void CLinkLabel::OpenLinkTarget()
{
    int code = ShellOpen(nullptr, m_strTarget);
    if (!Succeeded(code))
        OpenWithHtmlProgram(m_strTarget, code);
    m_bVisited = Succeeded(code);
    if (m_bVisited) {
        if (m_hWnd != nullptr)
            Invalidate(TRUE);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    AfxMessageBox(L"Unable to open hyperlink:\n\n" + ShellErrorText(code), MB_ICONEXCLAMATION);
}

bool RegisteredHtmlCommand(std::wstring& commandTemplate)
{
    std::wstring fileClass;
    return ReadClassesDefault(L".htm", fileClass)
        && ReadClassesDefault(fileClass + L"\\shell\\open\\command", commandTemplate);
}

std::wstring FallbackCommandLine(const std::wstring& commandTemplate, const std::wstring& target)
{
    std::wstring commandLine = commandTemplate;
    size_t cut = commandLine.find(L"%1");
    if (cut != std::wstring::npos) {
        const bool quoted = cut > 0 && commandLine[cut - 1] == L'"'
                            && commandLine.compare(cut + 2, 1, L"\"") == 0;
        commandLine.erase(quoted ? cut - 1 : cut);
    }
    return commandLine + L" " + target;
}

std::wstring ShellErrorText(int code)
{
    switch (code) {
    case 0: return L"The operating system is out\nof memory or resources.";
    case ERROR_FILE_NOT_FOUND: return L"The specified file was not found.";
    case ERROR_PATH_NOT_FOUND: return L"The specified path was not found.";
    case SE_ERR_ACCESSDENIED: return L"The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM: return L"There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT: return L"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE: return L"A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE: return L"The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return L"The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL: return L"The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return L"The DDE transaction could not\nbe completed because other DDE transactions\n"
               L"were being processed.";
    case SE_ERR_NOASSOC:
        return L"There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND: return L"The specified dynamic-link library was not found.";
    default: {
        wchar_t text[64];
        swprintf(text, 64, L"Unknown Error (%d) occurred.", code);
        return text;
    }
    }
}
