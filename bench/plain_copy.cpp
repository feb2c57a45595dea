#include "plain_copy.h"

#include <cstddef>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem::bench {

namespace {

struct Contents {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
};

bool readWhole(const std::string& path, Contents& contents)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status { };
    bool complete = fstat(fd, &status) == 0;
    if (complete) {
        contents.size = static_cast<std::size_t>(status.st_size);
        contents.bytes.reset(new char[contents.size]);
        std::size_t done = 0;
        while (complete && done < contents.size) {
            const ssize_t got = read(fd, contents.bytes.get() + done, contents.size - done);
            complete = got > 0;
            done += complete ? static_cast<std::size_t>(got) : 0;
        }
    }
    close(fd);
    return complete;
}

bool writeWhole(const std::string& path, const Contents& contents)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool complete = true;
    std::size_t done = 0;
    while (complete && done < contents.size) {
        const ssize_t put = write(fd, contents.bytes.get() + done, contents.size - done);
        complete = put > 0;
        done += complete ? static_cast<std::size_t>(put) : 0;
    }
    return close(fd) == 0 && complete;
}

} // namespace

bool CopyBothWhole(
    const std::string& first, const std::string& second, const std::string& firstCopy, const std::string& secondCopy)
{
    Contents one;
    Contents two;
    return readWhole(first, one) && readWhole(second, two) && writeWhole(firstCopy, one) && writeWhole(secondCopy, two);
}

} // namespace tandem::bench
