#include "folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

namespace tandem::platform {

bool ListFolder(const std::string& folder, const FolderVisitor& visit)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    while (const dirent* item = ::readdir(dir)) {
        FolderEntry entry;
        entry.name = item->d_name;
        struct stat st { };
        // Links count as what they point to, as Windows lists a linked folder
        // as a folder.
        if (::stat((prefix + entry.name).c_str(), &st) == 0) {
            entry.directory = S_ISDIR(st.st_mode);
#ifdef UF_HIDDEN
            entry.hidden = (st.st_flags & UF_HIDDEN) != 0;
#endif
        }
        entry.hidden = entry.hidden || entry.name[0] == '.';
        if (!visit(entry))
            break;
    }
    ::closedir(dir);
    return true;
}

} // namespace tandem::platform
