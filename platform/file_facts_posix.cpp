#include "errors.h"
#include "file_facts.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace tandem::platform {

int ReadFileFacts(const std::string& path, FileFacts& out)
{
#if defined(STATX_BTIME)
    struct statx st { };
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_SIZE | STATX_BTIME | STATX_CTIME, &st) != 0)
        return ErrorFromErrno(errno, path);
    out.size = static_cast<std::int64_t>(st.stx_size);
    out.createdSeconds = (st.stx_mask & STATX_BTIME) ? st.stx_btime.tv_sec : st.stx_ctime.tv_sec;
#else
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return ErrorFromErrno(errno, path);
    out.size = static_cast<std::int64_t>(st.st_size);
#if defined(__APPLE__)
    out.createdSeconds = st.st_birthtimespec.tv_sec;
#else
    out.createdSeconds = st.st_ctime;
#endif
#endif
    return ErrorNumber::None;
}

} // namespace tandem::platform
