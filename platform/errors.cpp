#include "errors.h"

#include "file_system.h"
#include "paths.h"

#include <cerrno>

namespace tandem::platform {

std::string ErrorDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::OutOfMemory:
        return "Out of memory";
    case ErrorNumber::FileNotFound:
        return "File not found";
    case ErrorNumber::DeviceIoError:
        return "Device I/O error";
    case ErrorNumber::FileAlreadyExists:
        return "File already exists";
    case ErrorNumber::DiskFull:
        return "Disk full";
    case ErrorNumber::InputPastEndOfFile:
        return "Input past end of file";
    case ErrorNumber::FileNameTooLong:
        return "File name too long";
    case ErrorNumber::PermissionDenied:
        return "Permission denied";
    case ErrorNumber::PathNotFound:
        return "Path not found";
    case ErrorNumber::InvalidFileFormat:
        return "Invalid file format";
    default:
        return "Path/File access error";
    }
}

namespace {

bool parentFolderExists(const std::string& path)
{
    const std::string parent = FolderOfPath(path);
    if (parent.empty())
        return true; // a bare name lives in the current folder
    return FolderExists(parent);
}

} // namespace

int ErrorFromErrno(int err, const std::string& path)
{
    switch (err) {
    case 0:
        return ErrorNumber::None;
    case ENOENT:
        return parentFolderExists(path) ? ErrorNumber::FileNotFound : ErrorNumber::PathNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case ENAMETOOLONG:
        return ErrorNumber::FileNameTooLong;
    case EEXIST:
        return ErrorNumber::FileAlreadyExists;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
        return ErrorNumber::PermissionDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return ErrorNumber::DiskFull;
    case EIO:
        return ErrorNumber::DeviceIoError;
    case ENOMEM:
        return ErrorNumber::OutOfMemory;
    default:
        return ErrorNumber::PathFileAccessError;
    }
}

int ErrorFromWin32(unsigned long code)
{
    // Numeric values of the winerror.h constants, so this table compiles
    // (and is tested) on every platform.
    switch (code) {
    case 0:
        return ErrorNumber::None;
    case 2: // ERROR_FILE_NOT_FOUND
        return ErrorNumber::FileNotFound;
    case 3: // ERROR_PATH_NOT_FOUND
    case 15: // ERROR_INVALID_DRIVE
    case 53: // ERROR_BAD_NETPATH
    case 67: // ERROR_BAD_NET_NAME
    case 161: // ERROR_BAD_PATHNAME
    case 267: // ERROR_DIRECTORY
        return ErrorNumber::PathNotFound;
    case 5: // ERROR_ACCESS_DENIED
    case 19: // ERROR_WRITE_PROTECT
    case 32: // ERROR_SHARING_VIOLATION
    case 33: // ERROR_LOCK_VIOLATION
    case 1224: // ERROR_USER_MAPPED_FILE
        return ErrorNumber::PermissionDenied;
    case 39: // ERROR_HANDLE_DISK_FULL
    case 112: // ERROR_DISK_FULL
        return ErrorNumber::DiskFull;
    case 21: // ERROR_NOT_READY
    case 23: // ERROR_CRC
    case 29: // ERROR_WRITE_FAULT
    case 30: // ERROR_READ_FAULT
    case 31: // ERROR_GEN_FAILURE
    case 1117: // ERROR_IO_DEVICE
        return ErrorNumber::DeviceIoError;
    case 80: // ERROR_FILE_EXISTS
    case 183: // ERROR_ALREADY_EXISTS
        return ErrorNumber::FileAlreadyExists;
    case 206: // ERROR_FILENAME_EXCED_RANGE
        return ErrorNumber::FileNameTooLong;
    case 8: // ERROR_NOT_ENOUGH_MEMORY
    case 14: // ERROR_OUTOFMEMORY
        return ErrorNumber::OutOfMemory;
    default:
        return ErrorNumber::PathFileAccessError;
    }
}

} // namespace tandem::platform
