#include "tests/unit/UserPaths.h"

#include "framework/TextEncoding.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

const wchar_t kSeparator = fs::path::preferred_separator;

} // namespace

std::wstring WriteLongPath(const TempDir& dir, size_t minimumLength, const std::vector<unsigned char>& bytes)
{
    // Every level stays well below the 255 bytes a name may take on Linux.
    std::wstring folder = dir.Path();
    for (int level = 0; folder.size() < minimumLength; ++level)
        folder += kSeparator + (L"层级 " + std::to_wstring(level) + L" " + std::wstring(60, L'd'));
    fs::create_directories(FsPath(folder));
    const std::wstring path = folder + kSeparator + L"照片 – 测试 ü.jpg";
    WriteBytes(path, bytes);
    return path;
}

std::vector<UserPath> WriteUserFiles(const TempDir& dir, const std::vector<unsigned char>& bytes)
{
    const std::wstring spaced = dir.MakeDir(L"folder with  spaces");
    const std::wstring fullWidth = dir.MakeDir(L"2024：旅行（二）");
    std::wstring emoji;
    for (int i = 0; i < 15; ++i)
        emoji += L"\U0001F600\U0001F30F\U0001F4F7\U0001F389";
    std::vector<UserPath> paths = {
        {"Chinese name", dir.File(L"照片 – 测试 ü \U00020BB7.jpg")},   // a character of CJK extension B
        {"other scripts", dir.File(L"Ωμέγα фото \U0001F600 é.jpeg")},
        {"spaces", spaced + kSeparator + L" my holiday  photo .JPG"},
        {"full-width punctuation", fullWidth + kSeparator + L"照片（1），【终稿】！.jpg"},
        // Mostly four-byte characters even as a whole path.
        {"sixty emoji in sixty emoji", dir.MakeDir(emoji) + kSeparator + emoji + L".jpg"},
        // Both sides of every length of UTF-8: 1/2, 2/3 and 3/4 bytes, the surrogates' gap, the last code point.
        {"UTF-8 length edges", dir.File(L"\x7F\u0080 \u07FF\u0800 \uD7FF\uE000 \uFFFF\U00010000 \U0010FFFF.jpg")},
#ifdef _WIN32
        {"punctuation", dir.File(L"it's, [odd] name; #1 & 50%.jpg")},
#else
        {"quotes, backslashes, control characters", dir.File(L"\"it's\", a\\b\t\x01\n.jpg")},
#endif
    };
    for (const UserPath& path : paths)
        WriteBytes(path.path, bytes);
    paths.push_back({"long path", WriteLongPath(dir, 300, bytes)});
    return paths;
}

bool DiskState::operator==(const DiskState& other) const
{
    return size == other.size && modified == other.modified && content == other.content
        && folderNames == other.folderNames;
}

DiskState TakeDiskState(const std::wstring& file)
{
    const fs::path path = FsPath(file);
    DiskState state;
    state.size = fs::file_size(path);
    state.modified = fs::last_write_time(path).time_since_epoch().count();
    state.content = ReadBytes(file);
    state.folderNames = FolderNames(FolderOf(file));
    return state;
}

void SetReadOnly(const std::wstring& path, bool readOnly)
{
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(FsPath(path), write, readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(kSeparator));
}

