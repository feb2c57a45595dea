#include "session_scan.h"

#include "file_list.h"
#include "wildcard.h"

#include "errors.h"
#include "folder_listing.h"
#include "paths.h"
#include "prompt.h"

#include <QApplication>
#include <QDateTime>

#include <vector>

namespace tandem::panes {

namespace {

const QChar separator = QLatin1Char(platform::PathSeparator);

void showError(const QString& text)
{
    platform::Message message;
    message.icon = platform::Message::Icon::Critical;
    message.title = "Error";
    message.text = text.toStdString();
    platform::CurrentPrompt().Show(message);
}

void cannotAccess(const QString& folder) { showError(QStringLiteral("Cannot access the selected item ") + folder); }

bool hasSessionExtension(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot + 1).toLower() == QLatin1String("sesx");
}

} // namespace

void FullDirFileList(FileList& list, ScanWindow& window, QString path, const QString& searchStr, bool recurse,
    const FileFactsReader& readFacts)
{
    // The window repaints and stays responsive between folders.
    QApplication::processEvents();
    const QString title = window.WindowTitle();
    if (!path.endsWith(separator))
        path += separator;
    const QString readingTitle = QStringLiteral("Reading ") + path.toLower();

    std::vector<QString> subfolders;
    const bool listed = platform::ListFolder(path.toStdString(), [&](const platform::FolderEntry& entry) {
        if (entry.name == "." || entry.name == ".." || entry.hidden || entry.system)
            return true;
        window.SetWindowTitle(readingTitle);
        const QString name = QString::fromStdString(entry.name);
        if (entry.directory) {
            if (!entry.link)
                subfolders.push_back(name);
            return true;
        }
        const QString fullPath = path + name;
        if (!WildcardMatch(searchStr, fullPath) || !hasSessionExtension(name) || list.Entry(fullPath))
            return true;
        platform::FileFacts facts;
        if (const int error = readFacts(fullPath.toStdString(), facts)) {
            showError(
                QStringLiteral("Error %1.  ").arg(error) + QString::fromStdString(platform::ErrorDescription(error)));
            cannotAccess(path);
            return true;
        }
        list.AddEntry(fullPath, path, name, QDateTime::fromSecsSinceEpoch(facts.createdSeconds), facts.size);
        return true;
    });
    if (!listed)
        cannotAccess(path);
    else if (recurse)
        for (const QString& subfolder : subfolders)
            FullDirFileList(list, window, path + subfolder, searchStr, recurse, readFacts);
    window.SetWindowTitle(title);
}

} // namespace tandem::panes
