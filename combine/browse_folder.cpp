#include "browse_folder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace tandem::combine {

namespace {

FolderChooser& chooser()
{
    static FolderChooser installed;
    return installed;
}

} // namespace

QString BrowseForFolder(const QString& title, const QString& startPath, bool newStyle)
{
    if (chooser())
        return chooser()(title, startPath);
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    if (!newStyle)
        options |= QFileDialog::ReadOnly;
    // The dialogs answer with "/" on every system.
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startPath, options));
}

void SetFolderChooser(FolderChooser newChooser) { chooser() = std::move(newChooser); }

} // namespace tandem::combine
