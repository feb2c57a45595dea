#include "errors.h"
#include "file_io.h"
#include "paths.h"

#include "temp_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem::platform {

namespace {

int lastError(const std::string& path) { return ErrorFromErrno(errno, path); }

} // namespace

int InputFile::Open(const std::string& path)
{
    Close();
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return lastError(path);
    struct stat st { };
    if (::fstat(fd, &st) != 0) {
        const int error = lastError(path);
        ::close(fd);
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return ErrorNumber::PathFileAccessError;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    path_ = path;
    size_ = static_cast<std::uint64_t>(st.st_size);
    return ErrorNumber::None;
}

int InputFile::Read(char* data, std::size_t size, std::size_t& got)
{
    got = 0;
    if (fd_ < 0)
        return ErrorNumber::PathFileAccessError;
    for (;;) {
        const ssize_t done = ::read(fd_, data, size);
        if (done >= 0) {
            got = static_cast<std::size_t>(done);
            return ErrorNumber::None;
        }
        if (errno != EINTR)
            return lastError(path_);
    }
}

void InputFile::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

int OutputFile::Create(const std::string& finalPath, bool replace)
{
    Discard();
    struct stat st { };
    mode_t mode = 0666;
    bool replacing = false;
    if (::stat(finalPath.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return ErrorNumber::PathFileAccessError;
        if (!replace)
            return ErrorNumber::FileAlreadyExists;
        if ((st.st_mode & 0222) == 0)
            return ErrorNumber::PermissionDenied;
        // Only the permissions: a set-user or set-group id bit must not
        // pass to a file the user did not make executable on purpose.
        mode = st.st_mode & 0777;
        replacing = true;
    }
    const std::string folder = FolderOfPath(finalPath);
    const std::string prefix = folder.empty() ? std::string() : AddTrailingBackslash(folder);
    RemoveAbandonedTempFiles(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = prefix + TempFileName();
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // The combined file takes over the permissions of the one it replaces.
            if (replacing)
                (void)::fchmod(fd, mode);
            fd_ = fd;
            writtenSoFar_ = 0;
            replace_ = replace;
            finalPath_ = finalPath;
            tempPath_ = std::move(temp);
            interruptSlot_ = RegisterTempFile(tempPath_);
            return ErrorNumber::None;
        }
        if (errno != EEXIST)
            return lastError(finalPath);
    }
    return ErrorNumber::PathFileAccessError;
}

int OutputFile::Write(const char* data, std::size_t size)
{
    if (fd_ < 0)
        return ErrorNumber::PathFileAccessError;
#if defined(SYNC_FILE_RANGE_WRITE)
    const std::size_t written = size;
#endif
    while (size > 0) {
        const ssize_t done = ::write(fd_, data, size);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return lastError(finalPath_);
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
#if defined(SYNC_FILE_RANGE_WRITE)
    // The disk starts on what was just written while the merge goes on, so
    // that the flush at the end has little left to wait for.
    (void)::sync_file_range(fd_, static_cast<off_t>(writtenSoFar_), static_cast<off_t>(written), SYNC_FILE_RANGE_WRITE);
    writtenSoFar_ += written;
#endif
    return ErrorNumber::None;
}

int OutputFile::flushToDisk()
{
    if (fd_ >= 0 && ::fsync(fd_) != 0)
        return lastError(finalPath_);
    return ErrorNumber::None;
}

int OutputFile::closeHandle()
{
    if (fd_ < 0)
        return ErrorNumber::None;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? ErrorNumber::None : lastError(finalPath_);
}

int OutputFile::moveOntoFinalPath()
{
    if (replace_)
        return ::rename(tempPath_.c_str(), finalPath_.c_str()) == 0 ? ErrorNumber::None : lastError(finalPath_);
#if defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, finalPath_.c_str(), RENAME_NOREPLACE) == 0)
        return ErrorNumber::None;
    if (errno != EINVAL && errno != ENOSYS)
        return lastError(finalPath_);
#endif
    // A second name for the file fails when the final name exists.
    if (::link(tempPath_.c_str(), finalPath_.c_str()) != 0)
        return lastError(finalPath_);
    ::unlink(tempPath_.c_str());
    return ErrorNumber::None;
}

void OutputFile::removeTempFile() { ::unlink(tempPath_.c_str()); }

void OutputFile::flushFolder()
{
    const std::string folder = FolderOfPath(finalPath_);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Some file systems cannot flush a folder; the file itself is on the
    // disk already, so that is no reason to fail.
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace tandem::platform
