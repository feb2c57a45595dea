#include "errors.h"
#include "file_io.h"

#include <algorithm>
#include <limits>
#include <new>

namespace tandem::platform {

int ReadWholeFile(const std::string& path, FileBytes& out)
{
    return ReadFileStart(path, std::numeric_limits<std::size_t>::max() - 1, out);
}

// Reads until the end of the file or `limit` bytes: the file may be longer
// or shorter than its size said when it was opened.
int ReadFileStart(const std::string& path, std::size_t limit, FileBytes& out)
{
    InputFile file;
    if (const int error = file.Open(path))
        return error;
    if (file.Size() > std::numeric_limits<std::size_t>::max() / 2)
        return ErrorNumber::OutOfMemory;
    std::size_t capacity = std::min(static_cast<std::size_t>(file.Size()), limit) + 1;
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
        std::size_t got = 0;
        if (const int error = file.Read(data.get() + size, std::min(capacity, limit) - size, got))
            return error;
        if (got == 0)
            break;
        size += got;
    }
    out.data = std::move(data);
    out.size = size;
    return ErrorNumber::None;
}

} // namespace tandem::platform
