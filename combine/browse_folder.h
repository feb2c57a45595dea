#pragma once

#include <QString>

#include <functional>

namespace tandem::combine {

// Shows the system's folder browser titled `title`, opened at `startPath`,
// offering folders only. Gives the chosen folder's full path, or empty when
// the user cancels. `newStyle` asks for the browser that can make folders.
QString BrowseForFolder(const QString& title, const QString& startPath, bool newStyle);

// Tests choose the folder for the user: while a chooser is set it answers
// instead of the dialog. An empty function brings the dialog back.
using FolderChooser = std::function<QString(const QString& title, const QString& startPath)>;
void SetFolderChooser(FolderChooser chooser);

} // namespace tandem::combine
