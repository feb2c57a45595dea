#include "folder_listing.h"
#include "paths.h"
#include "win_strings.h"

#include <windows.h>

namespace tandem::platform {

bool ListFolder(const std::string& folder, const FolderVisitor& visit)
{
    const std::wstring pattern = Utf8ToWide(AddTrailingBackslash(folder)) + L"*.*";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        FolderEntry entry;
        entry.name = WideToUtf8(found.cFileName);
        entry.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.system = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entry.link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK || found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
        if (!visit(entry))
            break;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

} // namespace tandem::platform
