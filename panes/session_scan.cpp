#include "session_scan.h"

#include "file_list.h"
#include "wildcard.h"

#include "errors.h"
#include "folder_listing.h"
#include "paths.h"
#include "prompt.h"

#include <QApplication>
#include <QElapsedTimer>

#include <vector>

namespace tandem::panes {

namespace {

const QChar separator = QLatin1Char(platform::PathSeparator);
// A folder of many thousand files still lets the window answer (and the
// user cancel) this often.
constexpr qint64 responsiveMilliseconds = 100;
constexpr std::size_t namedInReport = 5;

bool hasSessionExtension(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot + 1).toLower() == QLatin1String("sesx");
}

class Walk {
public:
    Walk(FileList& list, ScanWindow& window, const QString& searchStr, bool recurse, const FileFactsReader& readFacts)
        : list_(list)
        , window_(window)
        , searchStr_(searchStr)
        , recurse_(recurse)
        , readFacts_(readFacts)
    {
        sinceEvents_.start();
    }

    void Folder(QString path)
    {
        letEventsRun();
        if (stopped())
            return;
        const QString title = window_.WindowTitle();
        if (!path.endsWith(separator))
            path += separator;
        const QString readingTitle = QStringLiteral("Reading ") + path.toLower();

        std::vector<QString> subfolders;
        const bool listed = platform::ListFolder(path.toStdString(), [&](const platform::FolderEntry& entry) {
            if (entry.name == "." || entry.name == ".." || entry.hidden || entry.system)
                return true;
            window_.SetWindowTitle(readingTitle);
            const QString name = QString::fromStdString(entry.name);
            if (entry.directory) {
                if (!entry.link)
                    subfolders.push_back(name);
                return true;
            }
            if (sinceEvents_.elapsed() > responsiveMilliseconds)
                letEventsRun();
            if (stopped())
                return false;
            const QString fullPath = path + name;
            if (!WildcardMatch(searchStr_, fullPath) || !hasSessionExtension(name) || list_.Entry(fullPath).isValid())
                return true;
            platform::FileFacts facts;
            if (const int error = readFacts_(fullPath.toStdString(), facts)) {
                unreadable(path + QStringLiteral(" (Error %1.  ").arg(error) +
                    QString::fromStdString(platform::ErrorDescription(error)) + QLatin1Char(')'));
                return true;
            }
            list_.AddEntry(fullPath, path, name, facts.createdSeconds, facts.size);
            return true;
        });
        if (!listed)
            unreadable(path);
        else if (recurse_)
            for (const QString& subfolder : subfolders)
                Folder(path + subfolder);
        window_.SetWindowTitle(title);
    }

    ScanOutcome Outcome()
    {
        outcome_.cancelled = stopped();
        return outcome_;
    }

private:
    void letEventsRun()
    {
        QApplication::processEvents();
        sinceEvents_.restart();
    }
    bool stopped() const { return window_.ScanCancelled(); }
    void unreadable(const QString& what) { outcome_.unreadable.push_back(what); }

    FileList& list_;
    ScanWindow& window_;
    const QString& searchStr_;
    bool recurse_;
    const FileFactsReader& readFacts_;
    QElapsedTimer sinceEvents_;
    ScanOutcome outcome_;
};

} // namespace

ScanOutcome FullDirFileList(FileList& list, ScanWindow& window, QString path, const QString& searchStr, bool recurse,
    const FileFactsReader& readFacts)
{
    Walk walk(list, window, searchStr, recurse, readFacts);
    walk.Folder(std::move(path));
    return walk.Outcome();
}

void ReportUnreadable(const std::vector<QString>& unreadable)
{
    if (unreadable.empty())
        return;
    QString text = unreadable.size() == 1 ? QStringLiteral("1 folder could not be read:")
                                          : QStringLiteral("%1 folders could not be read:").arg(unreadable.size());
    for (std::size_t i = 0; i < unreadable.size() && i < namedInReport; ++i)
        text += QStringLiteral("\r\n") + unreadable[i];
    if (unreadable.size() > namedInReport)
        text += QStringLiteral("\r\n(and %1 more)").arg(unreadable.size() - namedInReport);
    platform::Message message;
    message.icon = platform::Message::Icon::Critical;
    message.title = "Error";
    message.text = text.toStdString();
    platform::CurrentPrompt().Show(message);
}

} // namespace tandem::panes
