#pragma once

#include <string>

namespace tandem::platform {

// Tandem reports every failure with one of these numbers and its fixed
// description, whatever the operating system said. Zero means success.
namespace ErrorNumber {
constexpr int None = 0;
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int FileNotFound = 53;
constexpr int DeviceIoError = 57;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
// A file cut short while it was read.
constexpr int InputPastEndOfFile = 62;
// Classic "Bad file name": here a name longer than the file system takes.
constexpr int FileNameTooLong = 64;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
// The file was read but cannot be a session: it is empty, has no line
// break, or holds bytes that no session text holds.
constexpr int InvalidFileFormat = 321;
} // namespace ErrorNumber

// "Permission denied" for 70 and so on; unknown numbers get the description
// of 75, the catch-all that unknown OS errors map to.
std::string ErrorDescription(int number);

// POSIX errno onto a Tandem error number. ENOENT is 53 or 76 depending on
// whether the folder that should hold `path` exists.
int ErrorFromErrno(int err, const std::string& path);

// Win32 GetLastError() codes onto a Tandem error number. Defined on every
// platform so the mapping table can be tested anywhere.
int ErrorFromWin32(unsigned long code);

} // namespace tandem::platform
