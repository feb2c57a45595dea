#pragma once

#include "drive_types.h"
#include "volumes.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tandem::test {

// A drive table of the test's own over real folders: each drive's root is a
// temporary folder. Folders named in `hidden` list as hidden, as the Windows
// attribute would make them.
class FakeVolumes : public platform::Volumes {
public:
    struct FakeDrive {
        platform::Drive drive;
        std::string label;
    };

    void AddDrive(char letter, const std::filesystem::path& folder, int type, const std::string& label = {})
    {
        // A root ends in the platform's separator, as the system's roots do.
        const std::string root = folder.string() + static_cast<char>(std::filesystem::path::preferred_separator);
        drives_.push_back({ { letter, root, type }, label });
    }
    void Hide(const std::string& name) { hidden_.insert(name); }
    void SetCurrentFolder(const std::string& path) { current_ = path; }
    std::string Root(char letter) const { return RootOfLetter(letter); }

    std::vector<platform::Drive> Drives() const override
    {
        std::vector<platform::Drive> drives;
        for (const auto& fake : drives_)
            drives.push_back(fake.drive);
        return drives;
    }
    int DriveType(const std::string& path) const override
    {
        for (const auto& fake : drives_)
            if (fake.drive.root == path)
                return fake.drive.type;
        return platform::DriveTypes::NoRootDir;
    }
    std::string VolumeLabel(const std::string& root) const override
    {
        for (const auto& fake : drives_)
            if (fake.drive.root == root)
                return fake.label;
        return {};
    }
    bool ListFolder(const std::string& folder, const platform::FolderVisitor& visit) const override
    {
        return platform::ListFolder(folder, [&](platform::FolderEntry entry) {
            entry.hidden = entry.hidden || hidden_.count(entry.name) > 0;
            return visit(entry);
        });
    }
    std::string CurrentDirectory() const override { return current_; }

private:
    std::vector<FakeDrive> drives_;
    std::set<std::string> hidden_;
    std::string current_;
};

} // namespace tandem::test
