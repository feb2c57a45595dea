#include "folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

namespace tandem::platform {

namespace {

// Fills in what the entry is from the file it names (following a link).
void describe(FolderEntry& entry, const struct stat& st)
{
    entry.directory = S_ISDIR(st.st_mode);
    entry.system = !S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode);
#ifdef UF_HIDDEN
    entry.hidden = (st.st_flags & UF_HIDDEN) != 0;
#endif
}

} // namespace

bool ListFolder(const std::string& folder, const FolderVisitor& visit)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    while (const dirent* item = ::readdir(dir)) {
        FolderEntry entry;
        entry.name = item->d_name;
#if defined(_DIRENT_HAVE_D_TYPE) && !defined(__APPLE__)
        // The listing says most of it itself; a stat per entry would make
        // scans of big trees several times slower.
        const unsigned char type = item->d_type;
#else
        const unsigned char type = DT_UNKNOWN;
#endif
        entry.link = type == DT_LNK;
        if (type == DT_DIR) {
            entry.directory = true;
        } else if (type == DT_REG) {
            entry.directory = false;
        } else if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat st { };
            const std::string path = prefix + entry.name;
            if (type == DT_UNKNOWN && ::lstat(path.c_str(), &st) == 0)
                entry.link = S_ISLNK(st.st_mode);
            if (::stat(path.c_str(), &st) == 0)
                describe(entry, st);
            else
                entry.system = true;
        } else {
            entry.system = true;
        }
        entry.hidden = entry.hidden || entry.name[0] == '.';
        if (!visit(entry))
            break;
    }
    ::closedir(dir);
    return true;
}

} // namespace tandem::platform
