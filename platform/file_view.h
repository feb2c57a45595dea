#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tandem::platform {

// A file's bytes, read-only: mapped into memory where the system allows, so
// that they are neither copied nor held twice, else read into memory (empty
// files, file systems that cannot map, drives other than fixed ones on
// Windows). Only regular files open, as with InputFile.
class FileView {
public:
    FileView() = default;
    ~FileView();
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    // What Open does with a file it cannot map: read it into memory, or
    // leave it for the caller to read in pieces (Mapped() is then false and
    // the text empty).
    enum class Unmappable { Read, Leave };

    // Returns a Tandem error number, 0 on success.
    int Open(const std::string& path, Unmappable unmappable = Unmappable::Read);
    std::string_view Text() const { return { data_, size_ }; }
    bool Mapped() const { return mapped_; }
    // Whether `address` lies in the bytes of this file.
    bool Holds(const void* address) const;
    // The bytes before `offset` are read and not needed again: a mapped
    // file's pages there leave this process's memory (they stay readable,
    // from the system's cache), so that reading a file from start to end
    // holds little of it at any time.
    void Release(std::size_t offset);

private:
    void close();

    const char* data_ = "";
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::unique_ptr<char[]> read_;
#ifdef _WIN32
    void* mapping_ = nullptr;
#endif
};

} // namespace tandem::platform
