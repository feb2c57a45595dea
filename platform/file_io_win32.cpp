#include "errors.h"
#include "file_io.h"
#include "paths.h"
#include "win_strings.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <new>
#include <random>

namespace tandem::platform {

namespace {

int lastError() { return ErrorFromWin32(GetLastError()); }

std::wstring randomSuffix()
{
    static std::mt19937_64 generator{ std::random_device{}() };
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring suffix;
    auto bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix.push_back(digits[bits & 15]);
    return suffix;
}

// ReadFile and WriteFile move at most 4 GB less a little per call.
constexpr DWORD maxChunk = 1u << 30;

} // namespace

int ReadWholeFile(const std::string& path, FileBytes& out)
{
    return ReadFileStart(path, std::numeric_limits<std::size_t>::max() - 1, out);
}

int ReadFileStart(const std::string& path, std::size_t limit, FileBytes& out)
{
    const std::wstring wide = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return ErrorNumber::PathFileAccessError;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();
    int result = ErrorNumber::None;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        result = lastError();
    } else {
        const auto expected = std::min(static_cast<std::size_t>(size.QuadPart), limit);
        std::unique_ptr<char[]> data(new (std::nothrow) char[expected + 1]);
        std::size_t done = 0;
        if (!data)
            result = ErrorNumber::OutOfMemory;
        while (result == ErrorNumber::None && done < expected) {
            const std::size_t left = expected - done;
            const DWORD chunk = left > maxChunk ? maxChunk : static_cast<DWORD>(left);
            DWORD got = 0;
            if (!ReadFile(file, data.get() + done, chunk, &got, nullptr))
                result = lastError();
            else if (got == 0)
                break; // the file shrank since its size was read
            done += got;
        }
        if (result == ErrorNumber::None) {
            out.data = std::move(data);
            out.size = done;
        }
    }
    CloseHandle(file);
    return result;
}

int OutputFile::Create(const std::string& finalPath)
{
    Discard();
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(finalPath).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return ErrorNumber::PathFileAccessError;
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return ErrorNumber::PermissionDenied;
    }
    const std::string folder = FolderOfPath(finalPath);
    const std::wstring prefix = folder.empty() ? std::wstring() : Utf8ToWide(AddTrailingBackslash(folder));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temp = prefix + L".tandem-" + randomSuffix() + L".tmp";
        HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = file;
            finalPath_ = finalPath;
            tempPath_ = WideToUtf8(temp);
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
    const BOOL moved =
        MoveFileExW(temp.c_str(), Utf8ToWide(finalPath_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? ErrorNumber::None : lastError();
}

void OutputFile::removeTempFile() { DeleteFileW(Utf8ToWide(tempPath_).c_str()); }

} // namespace tandem::platform
