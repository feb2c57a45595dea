#include "volumes.h"
#include "win_strings.h"

#include <windows.h>

namespace tandem::platform {

namespace {

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
        return static_cast<int>(GetDriveTypeW(Utf8ToWide(path).c_str()));
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
