#include "errors.h"
#include "file_io.h"
#include "file_view.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <new>

namespace tandem::platform {

namespace {

int readWhole(InputFile& file, std::size_t size, std::unique_ptr<char[]>& out, std::size_t& got)
{
    out.reset(new (std::nothrow) char[size + 1]);
    if (!out)
        return ErrorNumber::OutOfMemory;
    got = 0;
    while (got < size) {
        std::size_t piece = 0;
        if (const int error = file.Read(out.get() + got, size - got, piece))
            return error;
        if (piece == 0)
            break;
        got += piece;
    }
    return ErrorNumber::None;
}

} // namespace

FileView::~FileView() { close(); }

void FileView::close()
{
    if (mapped_)
        ::munmap(const_cast<char*>(data_), size_);
    mapped_ = false;
    read_.reset();
    data_ = "";
    size_ = 0;
}

int FileView::Open(const std::string& path, Unmappable unmappable)
{
    close();
    InputFile file;
    if (const int error = file.Open(path))
        return error;
    if (file.Size() > std::numeric_limits<std::size_t>::max() / 2)
        return ErrorNumber::OutOfMemory;
    const auto size = static_cast<std::size_t>(file.Size());
    if (size == 0)
        return ErrorNumber::None;
    void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.Descriptor(), 0);
    if (mapping != MAP_FAILED) {
        data_ = static_cast<const char*>(mapping);
        size_ = size;
        mapped_ = true;
        return ErrorNumber::None;
    }
    if (unmappable == Unmappable::Leave)
        return ErrorNumber::None;
    std::size_t got = 0;
    if (const int error = readWhole(file, size, read_, got))
        return error;
    data_ = read_.get();
    size_ = got;
    return ErrorNumber::None;
}

bool FileView::Holds(const void* address) const
{
    const auto* byte = static_cast<const char*>(address);
    // A fault may name any byte of the last page, past the file's end.
    static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return mapped_ && byte >= data_ && byte < data_ + size_ + page;
}

void FileView::Release(std::size_t offset)
{
    static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t whole = std::min(offset, size_) / page * page;
    if (mapped_ && whole > 0)
        ::madvise(const_cast<char*>(data_), whole, MADV_DONTNEED);
}

} // namespace tandem::platform
