#include "support/FolderWalk.h"

#include <windows.h>

#include <cstring>

#include "support/WinHandle.h"

namespace {

bool IsFolder(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsDotEntry(const WIN32_FIND_DATAA& entry, const char* name)
{
    return std::strcmp(entry.cFileName, name) == 0;
}

// Calls visit for each entry that the file system lists for mask, in its
// order, while visit returns true; the listing is closed however it ends.
template <typename Visit>
bool ForEachEntry(const char* mask, Visit visit)
{
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA(mask, &entry));
    if (!find) return true;
    do {
        if (!visit(entry)) return false;
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}

// Goes back to the parent folder when the walk leaves a subfolder, also when
// a callback raises an error.
class ParentFolderOnExit {
public:
    ParentFolderOnExit() = default;
    ~ParentFolderOnExit() { SetCurrentDirectoryA(".."); }
    ParentFolderOnExit(const ParentFolderOnExit&) = delete;
    ParentFolderOnExit& operator=(const ParentFolderOnExit&) = delete;
};

}  // namespace

bool WalkFolder(const std::string& Mask, bool Recurse, const WalkCallback& Callback)
{
    bool result = ForEachEntry(Mask.c_str(), [&](const WIN32_FIND_DATAA& entry) {
        if (IsFolder(entry) && IsDotEntry(entry, "..")) return true;
        return Callback(WalkItem{entry.cFileName, entry.dwFileAttributes});
    });
    if (!result || !Recurse) return result;

    return ForEachEntry("*.*", [&](const WIN32_FIND_DATAA& entry) {
        if (!IsFolder(entry) || IsDotEntry(entry, ".") || IsDotEntry(entry, "..")) return true;
        if (!SetCurrentDirectoryA(entry.cFileName)) return true;
        ParentFolderOnExit back;
        return WalkFolder(Mask, Recurse, Callback);
    });
}
