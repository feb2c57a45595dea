#include "plain_copy.h"

#include <cstddef>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace tandem::bench {

namespace {

// cat's own buffer size.
constexpr std::size_t BufferSize = 128 * 1024;

bool append(const std::string& path, int out, char* buffer)
{
    const int in = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    bool complete = true;
    for (;;) {
        const ssize_t got = read(in, buffer, BufferSize);
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        for (ssize_t done = 0; complete && done < got;) {
            const ssize_t put = write(out, buffer + done, static_cast<std::size_t>(got - done));
            complete = put > 0;
            done += complete ? put : 0;
        }
        if (!complete)
            break;
    }
    close(in);
    return complete;
}

} // namespace

bool CatAndSync(const std::string& first, const std::string& second, const std::string& copy)
{
    const std::unique_ptr<char[]> buffer(new char[BufferSize]);
    const int out = open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0)
        return false;
    const bool complete = append(first, out, buffer.get()) && append(second, out, buffer.get()) && fsync(out) == 0;
    return close(out) == 0 && complete;
}

bool SyncFile(const std::string& path)
{
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return false;
    const bool synced = fsync(file) == 0;
    return close(file) == 0 && synced;
}

} // namespace tandem::bench
