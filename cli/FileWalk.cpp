#include "cli/FileWalk.h"

#include "cli/FolderListing.h"
#include "intake/SourceFileCheck.h"

#include <algorithm>

namespace {

// Files with other names would only be refused by the source-file check.
bool HasJpegName(const FolderEntry& entry)
{
    return HasJpegExtension(entry.name);
}

void Walk(const std::wstring& folder, std::vector<WalkItem>& items)
{
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries)) {
        items.push_back({folder, true});
        return;
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    for (const FolderEntry& entry : entries) {
        if (entry.kind == EntryKind::Folder)
            Walk(JoinPath(folder, entry.name), items);
        else if (entry.kind == EntryKind::File && HasJpegName(entry))
            items.push_back({JoinPath(folder, entry.name)});
    }
}

} // namespace

std::vector<WalkItem> CollectPaths(const std::vector<std::wstring>& named, bool recursive)
{
    std::vector<WalkItem> items;
    for (const std::wstring& path : named) {
        if (recursive && IsFolder(path))
            Walk(path, items);
        else
            items.push_back({path});
    }
    return items;
}
