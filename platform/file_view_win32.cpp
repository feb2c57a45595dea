#include "errors.h"
#include "file_io.h"
#include "file_view.h"
#include "win_strings.h"

#include <windows.h>

#include <limits>
#include <new>

namespace tandem::platform {

namespace {

// A view of a file on a network share or a removable drive can fail while
// it is read, which nothing could catch here: those are read instead.
bool onFixedDrive(const std::string& path)
{
    wchar_t volume[MAX_PATH + 1] = {};
    return GetVolumePathNameW(Utf8ToWide(path).c_str(), volume, MAX_PATH) && GetDriveTypeW(volume) == DRIVE_FIXED;
}

} // namespace

FileView::~FileView() { close(); }

void FileView::close()
{
    if (mapped_)
        UnmapViewOfFile(data_);
    if (mapping_)
        CloseHandle(static_cast<HANDLE>(mapping_));
    mapping_ = nullptr;
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
    if (onFixedDrive(path)) {
        HANDLE mapping = CreateFileMappingW(static_cast<HANDLE>(file.Handle()), nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping) {
            if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size)) {
                mapping_ = mapping;
                data_ = static_cast<const char*>(view);
                size_ = size;
                mapped_ = true;
                return ErrorNumber::None;
            }
            CloseHandle(mapping);
        }
    }
    if (unmappable == Unmappable::Leave)
        return ErrorNumber::None;
    read_.reset(new (std::nothrow) char[size + 1]);
    if (!read_)
        return ErrorNumber::OutOfMemory;
    std::size_t got = 0;
    while (got < size) {
        std::size_t piece = 0;
        if (const int error = file.Read(read_.get() + got, size - got, piece))
            return error;
        if (piece == 0)
            break;
        got += piece;
    }
    data_ = read_.get();
    size_ = got;
    return ErrorNumber::None;
}

bool FileView::Holds(const void* address) const
{
    const auto* byte = static_cast<const char*>(address);
    return mapped_ && byte >= data_ && byte < data_ + size_;
}

// Windows takes a view's pages out of the working set itself when memory is
// short; they cost nothing else, being the system's file cache.
void FileView::Release(std::size_t) { }

} // namespace tandem::platform
