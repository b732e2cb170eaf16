// COleDataObject reading a copied file list (CF_HDROP) from the clipboard.

#include "framework/OleDataObject.h"
#include "tests/framework/HostWindow.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace {

// Puts data on the clipboard in one format, owned by a window of the test.
void PutOnClipboard(HWND hWndOwner, UINT format, const void* data, size_t size)
{
    HGLOBAL hGlobal = GlobalAlloc(GMEM_MOVEABLE, size);
    ASSERT_NE(nullptr, hGlobal);
    std::memcpy(GlobalLock(hGlobal), data, size);
    GlobalUnlock(hGlobal);
    ASSERT_TRUE(OpenClipboard(hWndOwner));
    EmptyClipboard();
    EXPECT_NE(nullptr, SetClipboardData(format, hGlobal));
    CloseClipboard();
}

// A DROPFILES record followed by the double-terminated wide file list.
std::string FileList(const std::wstring& files)
{
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(files.c_str()), (files.size() + 1) * sizeof(wchar_t));
    return bytes;
}

FORMATETC FileListFormat()
{
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

TEST(OleDataObject, ReadsTheFileListCopiedToTheClipboard)
{
    HostWindow owner;
    const wchar_t files[] = L"C:\\my pics\\first.jpg\0C:\\second.jpg\0";
    const std::string list = FileList(std::wstring(files, sizeof files / sizeof files[0] - 1));
    PutOnClipboard(owner.Handle(), CF_HDROP, list.data(), list.size());

    COleDataObject dataObject;
    ASSERT_TRUE(dataObject.AttachClipboard());
    FORMATETC format = FileListFormat();
    STGMEDIUM medium = {};
    ASSERT_TRUE(dataObject.GetData(CF_HDROP, &medium, &format));
    ASSERT_EQ(static_cast<DWORD>(TYMED_HGLOBAL), medium.tymed);
    auto hDrop = static_cast<HDROP>(medium.hGlobal);
    EXPECT_EQ(2u, DragQueryFileW(hDrop, 0xFFFFFFFF, nullptr, 0));
    wchar_t path[MAX_PATH] = L"";
    DragQueryFileW(hDrop, 0, path, MAX_PATH);
    EXPECT_STREQ(L"C:\\my pics\\first.jpg", path);
    ReleaseStgMedium(&medium);
}

TEST(OleDataObject, TextOnTheClipboardGivesNoFileList)
{
    HostWindow owner;
    const wchar_t text[] = L"C:\\not a file list.jpg";
    PutOnClipboard(owner.Handle(), CF_UNICODETEXT, text, sizeof text);

    COleDataObject dataObject;
    ASSERT_TRUE(dataObject.AttachClipboard());
    FORMATETC format = FileListFormat();
    STGMEDIUM medium = {};
    EXPECT_FALSE(dataObject.GetData(CF_HDROP, &medium, &format));
}

TEST(OleDataObject, GetDataWithoutAttachedObjectFails)
{
    COleDataObject dataObject;
    STGMEDIUM medium = {};
    EXPECT_FALSE(dataObject.GetData(CF_HDROP, &medium));
}

} // namespace
