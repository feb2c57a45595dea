#include "errors.h"
#include "file_io.h"
#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <new>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem::platform {

namespace {

int lastError(const std::string& path) { return ErrorFromErrno(errno, path); }

// Reads into `out` until end of file or `limit` bytes; the file may be
// longer or shorter than its size said when it was opened.
int readUpTo(int fd, const std::string& path, std::size_t expected, std::size_t limit, FileBytes& out)
{
    std::size_t capacity = std::min(expected, limit) + 1;
    std::unique_ptr<char[]> data(new (std::nothrow) char[capacity]);
    if (!data)
        return ErrorNumber::OutOfMemory;
    std::size_t size = 0;
    while (size < limit) {
        if (size == capacity) {
            const std::size_t grown = capacity * 2;
            std::unique_ptr<char[]> bigger(new (std::nothrow) char[grown]);
            if (!bigger)
                return ErrorNumber::OutOfMemory;
            std::copy(data.get(), data.get() + size, bigger.get());
            data = std::move(bigger);
            capacity = grown;
        }
        const ssize_t got = ::read(fd, data.get() + size, std::min(capacity, limit) - size);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return lastError(path);
        }
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    out.data = std::move(data);
    out.size = size;
    return ErrorNumber::None;
}

std::string randomSuffix()
{
    static std::mt19937_64 generator{ std::random_device{}() };
    static const char digits[] = "0123456789abcdef";
    std::string suffix;
    auto bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix.push_back(digits[bits & 15]);
    return suffix;
}

} // namespace

int ReadWholeFile(const std::string& path, FileBytes& out)
{
    return ReadFileStart(path, std::numeric_limits<std::size_t>::max() - 1, out);
}

int ReadFileStart(const std::string& path, std::size_t limit, FileBytes& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError(path);
    struct stat st { };
    int result = ErrorNumber::None;
    if (::fstat(fd, &st) != 0)
        result = lastError(path);
    else if (S_ISDIR(st.st_mode))
        result = ErrorNumber::PathFileAccessError;
    else
        result = readUpTo(fd, path, static_cast<std::size_t>(st.st_size), limit, out);
    ::close(fd);
    return result;
}

int OutputFile::Create(const std::string& finalPath)
{
    Discard();
    struct stat st { };
    mode_t mode = 0666;
    bool replacing = false;
    if (::stat(finalPath.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return ErrorNumber::PathFileAccessError;
        if ((st.st_mode & 0222) == 0)
            return ErrorNumber::PermissionDenied;
        mode = st.st_mode & 07777;
        replacing = true;
    }
    const std::string folder = FolderOfPath(finalPath);
    const std::string prefix = folder.empty() ? std::string() : AddTrailingBackslash(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = prefix + ".tandem-" + randomSuffix() + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // The combined file takes over the permissions of the one it replaces.
            if (replacing)
                (void)::fchmod(fd, mode);
            fd_ = fd;
            finalPath_ = finalPath;
            tempPath_ = std::move(temp);
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
    return ::rename(tempPath_.c_str(), finalPath_.c_str()) == 0 ? ErrorNumber::None : lastError(finalPath_);
}

void OutputFile::removeTempFile() { ::unlink(tempPath_.c_str()); }

} // namespace tandem::platform
