#include "browse_folder.h"

#include <QApplication>
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
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startPath, options);
}

void SetFolderChooser(FolderChooser newChooser) { chooser() = std::move(newChooser); }

} // namespace tandem::combine
