#include "errors.h"
#include "file_io.h"
#include "paths.h"
#include "win_strings.h"

#include <windows.h>

#include "temp_files.h"

namespace tandem::platform {

namespace {

int lastError() { return ErrorFromWin32(GetLastError()); }

// ReadFile and WriteFile move at most 4 GB less a little per call.
constexpr DWORD maxChunk = 1u << 30;

} // namespace

int InputFile::Open(const std::string& path)
{
    Close();
    const std::wstring wide = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return ErrorNumber::PathFileAccessError;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    LARGE_INTEGER size{};
    // Pipes, consoles and devices are not session files.
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return ErrorNumber::PathFileAccessError;
    }
    handle_ = file;
    path_ = path;
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return ErrorNumber::None;
}

int InputFile::Read(char* data, std::size_t size, std::size_t& got)
{
    got = 0;
    if (handle_ == nullptr)
        return ErrorNumber::PathFileAccessError;
    DWORD done = 0;
    if (!ReadFile(
            static_cast<HANDLE>(handle_), data, size > maxChunk ? maxChunk : static_cast<DWORD>(size), &done, nullptr))
        return lastError();
    got = done;
    return ErrorNumber::None;
}

void InputFile::Close()
{
    if (handle_ != nullptr)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

int OutputFile::Create(const std::string& finalPath, bool replace)
{
    Discard();
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(finalPath).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return ErrorNumber::PathFileAccessError;
        if (!replace)
            return ErrorNumber::FileAlreadyExists;
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return ErrorNumber::PermissionDenied;
    }
    const std::string folder = FolderOfPath(finalPath);
    const std::wstring prefix = folder.empty() ? std::wstring() : Utf8ToWide(AddTrailingBackslash(folder));
    RemoveAbandonedTempFiles(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temp = prefix + Utf8ToWide(TempFileName());
        // Deleting stays allowed, so that an interrupted run can remove the
        // file while it is still open.
        HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = file;
            replace_ = replace;
            finalPath_ = finalPath;
            tempPath_ = WideToUtf8(temp);
            interruptSlot_ = RegisterTempFile(tempPath_);
            return ErrorNumber::None;
        }
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
            return ErrorFromWin32(code);
    }
    return ErrorNumber::PathFileAccessError;
}

int OutputFile::Write(const char* data, std::size_t size)
{
    if (handle_ == nullptr)
        return ErrorNumber::PathFileAccessError;
    while (size > 0) {
        const DWORD chunk = size > maxChunk ? maxChunk : static_cast<DWORD>(size);
        DWORD done = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), data, chunk, &done, nullptr))
            return lastError();
        data += done;
        size -= done;
    }
    return ErrorNumber::None;
}

int OutputFile::flushToDisk()
{
    if (handle_ != nullptr && !FlushFileBuffers(static_cast<HANDLE>(handle_)))
        return lastError();
    return ErrorNumber::None;
}

int OutputFile::closeHandle()
{
    if (handle_ == nullptr)
        return ErrorNumber::None;
    const BOOL closed = CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
    return closed ? ErrorNumber::None : lastError();
}

int OutputFile::moveOntoFinalPath()
{
    const std::wstring temp = Utf8ToWide(tempPath_);
    SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    const DWORD flags = (replace_ ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH;
    const BOOL moved = MoveFileExW(temp.c_str(), Utf8ToWide(finalPath_).c_str(), flags);
    return moved ? ErrorNumber::None : lastError();
}

void OutputFile::removeTempFile() { DeleteFileW(Utf8ToWide(tempPath_).c_str()); }

// MoveFileEx with MOVEFILE_WRITE_THROUGH has flushed the rename already.
void OutputFile::flushFolder() { }

} // namespace tandem::platform
