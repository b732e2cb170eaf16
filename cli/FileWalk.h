#pragma once

#include <string>
#include <vector>

// One path the report command inspects, or a folder the walk could not read.
struct WalkItem
{
    std::wstring path;
    bool unreadableFolder = false;
};

// The paths to inspect for the paths named on the command line, in order.
// Without recursive every path stays as named (a folder is then refused by
// the source-file check, as in the dialog). With recursive a named folder is
// replaced by every regular file with a .jpg or .jpeg name (any letter case)
// below it: each folder's entries in ascending order of their names (code
// units), a subfolder walked at its place in that order; symbolic links met
// on the way are skipped, never followed.
std::vector<WalkItem> CollectPaths(const std::vector<std::wstring>& named, bool recursive);
