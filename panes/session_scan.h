#pragma once

#include "file_facts.h"

#include <QString>

#include <functional>
#include <vector>

namespace tandem::panes {

class FileList;

// What the scan needs of the main window: its title, which shows the folder
// being read, and whether the user has asked the scan to stop.
class ScanWindow {
public:
    virtual ~ScanWindow() = default;
    virtual QString WindowTitle() const = 0;
    virtual void SetWindowTitle(const QString& title) = 0;
    virtual bool ScanCancelled() const { return false; }
};

// Reads a file's size and creation time; the system's unless a test gives
// another.
using FileFactsReader = std::function<int(const std::string& path, platform::FileFacts& facts)>;

// How a scan ended: the folders it could not read (each with the error of
// the entry that failed, where one did) and whether it was stopped.
struct ScanOutcome {
    std::vector<QString> unreadable;
    bool cancelled = false;
};

// Adds to `list` the session files of the folder `path` whose full paths
// match `searchStr`, then, with `recurse`, those of every subfolder, depth
// first. A folder's own files come first, in the order the file system
// lists them. Hidden and system entries are left out, and only names whose
// extension is "sesx" in lower case are listed. Folders that cannot be read
// are passed over and collected, so that the caller reports them once.
// Linked folders are not entered.
ScanOutcome FullDirFileList(FileList& list, ScanWindow& window, QString path, const QString& searchStr, bool recurse,
    const FileFactsReader& readFacts = platform::ReadFileFacts);

// Reports the folders a scan could not read in one message box; nothing
// when there are none.
void ReportUnreadable(const std::vector<QString>& unreadable);

} // namespace tandem::panes
