#pragma once

#include "file_facts.h"

#include <QString>

#include <functional>

namespace tandem::panes {

class FileList;

// What the scan needs of the main window: its title, which shows the folder
// being read.
class ScanWindow {
public:
    virtual ~ScanWindow() = default;
    virtual QString WindowTitle() const = 0;
    virtual void SetWindowTitle(const QString& title) = 0;
};

// Reads a file's size and creation time; the system's unless a test gives
// another.
using FileFactsReader = std::function<int(const std::string& path, platform::FileFacts& facts)>;

// Adds to `list` the session files of the folder `path` whose full paths
// match `searchStr`, then, with `recurse`, those of every subfolder, depth
// first. A folder's own files come first, in the order the file system
// lists them. Hidden and system entries are left out, and only names whose
// extension is "sesx" in lower case are listed. Folders that cannot be read
// are reported and passed over. Linked folders are not entered.
void FullDirFileList(FileList& list, ScanWindow& window, QString path, const QString& searchStr, bool recurse,
    const FileFactsReader& readFacts = platform::ReadFileFacts);

} // namespace tandem::panes
