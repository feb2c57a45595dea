#include "volumes.h"
#include "win_strings.h"

#include <windows.h>

namespace tandem::platform {

namespace {

// Whether `path` names the volume root `volume` (which ends in "\").
bool sameRoot(const std::wstring& volume, std::wstring path)
{
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    return CompareStringOrdinal(volume.c_str(), -1, path.c_str(), -1, TRUE) == CSTR_EQUAL;
}

class Win32Volumes final : public Volumes {
public:
    std::vector<Drive> Drives() const override
    {
        wchar_t buffer[512] = {};
        const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer) - 1), buffer);
        std::vector<Drive> drives;
        for (const wchar_t* root = buffer; root < buffer + length && *root; root += wcslen(root) + 1) {
            Drive drive;
            drive.root = WideToUtf8(root);
            drive.letter = drive.root.empty() ? 0 : drive.root[0];
            drive.type = static_cast<int>(GetDriveTypeW(root));
            drives.push_back(drive);
        }
        return drives;
    }

    int DriveType(const std::string& path) const override
    {
        // Some systems answer for the drive that holds a folder; the tree
        // relies on a folder not being taken for a drive.
        const std::wstring wide = Utf8ToWide(path);
        wchar_t volume[MAX_PATH + 1] = {};
        if (GetVolumePathNameW(wide.c_str(), volume, MAX_PATH + 1) && !sameRoot(volume, wide))
            return DRIVE_NO_ROOT_DIR;
        return static_cast<int>(GetDriveTypeW(wide.c_str()));
    }

    std::string VolumeLabel(const std::string& root) const override
    {
        wchar_t label[MAX_PATH + 1] = {};
        wchar_t fileSystem[MAX_PATH + 1] = {};
        if (!GetVolumeInformationW(
                Utf8ToWide(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, fileSystem, MAX_PATH + 1))
            return {};
        return WideToUtf8(label);
    }

    bool ListFolder(const std::string& folder, const FolderVisitor& visit) const override
    {
        return platform::ListFolder(folder, visit);
    }

    std::string CurrentDirectory() const override
    {
        const DWORD length = GetCurrentDirectoryW(0, nullptr);
        std::wstring directory(length, L'\0');
        const DWORD written = GetCurrentDirectoryW(length, directory.data());
        directory.resize(written);
        return WideToUtf8(directory);
    }
};

} // namespace

const Volumes& SystemVolumes()
{
    static const Win32Volumes volumes;
    return volumes;
}

} // namespace tandem::platform
