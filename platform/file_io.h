#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tandem::platform {

// A file's whole content. The buffer is the caller's to modify.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

// A file read from start to end, piece by piece. Only regular files open: a
// folder, a pipe or a device is refused at once, since reading one would
// block or never end.
class InputFile {
public:
    InputFile() = default;
    ~InputFile() { Close(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Returns a Tandem error number, 0 on success.
    int Open(const std::string& path);
    // Reads up to `size` bytes; `got` is 0 at the end of the file.
    int Read(char* data, std::size_t size, std::size_t& got);
    // The size the file had when it was opened.
    std::uint64_t Size() const { return size_; }
    void Close();
#ifdef _WIN32
    void* Handle() const { return handle_; }
#else
    int Descriptor() const { return fd_; }
#endif

private:
    std::string path_;
    std::uint64_t size_ = 0;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Reads the file in one piece. Returns a Tandem error number, 0 on success.
int ReadWholeFile(const std::string& path, FileBytes& out);

// Reads at most `limit` bytes from the start of the file, for a look at its
// head without reading all of a large file.
int ReadFileStart(const std::string& path, std::size_t limit, FileBytes& out);

// A file that appears under its final name only once it is complete: the
// bytes go to a temporary file in the same folder, which Commit() renames
// onto the final name. Until then an existing file of that name is left
// alone, and a temporary file that was never committed is removed, also
// when the program is interrupted (see temp_files.h).
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file. Refuses (70) when the final name is a
    // read-only file and (75) when it is a folder, before anything is
    // written; without `replace`, also (58) when the final name exists, and
    // then Commit never replaces a file that appeared meanwhile.
    int Create(const std::string& finalPath, bool replace = true);
    int Write(const char* data, std::size_t size);
    // Flushes the temporary file to the disk, closes it, renames it onto
    // the final name and flushes the folder, so that after a crash or a
    // power cut either the old file or the complete new one is there.
    int Commit();
    // Closes and removes the temporary file; safe to call at any time.
    void Discard();

    const std::string& TempPath() const { return tempPath_; }

private:
    // The operating system's part: force the bytes to the disk, close the
    // handle, put the temporary file in place of the final one, remove the
    // temporary file.
    int flushToDisk();
    int closeHandle();
    int moveOntoFinalPath();
    void removeTempFile();
    void flushFolder();

    std::string finalPath_;
    std::string tempPath_;
    bool replace_ = true;
    int interruptSlot_ = -1;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
    std::uint64_t writtenSoFar_ = 0;
#endif
};

} // namespace tandem::platform
