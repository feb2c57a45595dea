#include "folder_completer.h"

#include "folder_listing.h"
#include "paths.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

namespace tandem::panes {

FolderCompleter::FolderCompleter(QLineEdit* box)
    : QObject(box)
    , box_(box)
{
    connect(box, &QLineEdit::textEdited, this, &FolderCompleter::textEdited);
}

void FolderCompleter::textEdited(const QString& text)
{
    int cut = text.size() - 1;
    while (cut >= 0 && !platform::IsPathSeparator(text[cut].toLatin1()))
        --cut;
    if (cut < 0)
        return;
    const QString folder = text.left(cut + 1);
    if (folder == listedFolder_)
        return;
    listedFolder_ = folder;
    QStringList paths;
    platform::ListFolder(folder.toStdString(), [&](const platform::FolderEntry& entry) {
        if (entry.directory && !entry.hidden && entry.name != "." && entry.name != "..")
            paths.push_back(folder + QString::fromStdString(entry.name));
        return true;
    });
    paths.sort(Qt::CaseInsensitive);
    if (!completer_) {
        completer_ = new QCompleter(this);
        folders_ = new QStringListModel(this);
        completer_->setModel(folders_);
        completer_->setCaseSensitivity(Qt::CaseInsensitive);
        box_->setCompleter(completer_);
    }
    folders_->setStringList(paths);
    // The new list is offered for the text as it stands.
    completer_->setCompletionPrefix(text);
    if (box_->hasFocus())
        completer_->complete();
}

} // namespace tandem::panes
