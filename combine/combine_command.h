#pragma once

#include <QString>

namespace tandem::combine {

// The folder the combined session goes to, ending in a separator: File 1's
// or File 2's folder for choices 1 and 2, else the typed folder (not checked
// here: the engine reports a folder it cannot write to).
QString TargetFolder(int choice, const QString& folder1, const QString& folder2, const QString& typedFolder);

// The Combine button: refuses the same file twice (however its path is
// spelled), asks whether to go on when the sample rates differ, asks for
// confirmation and whether to replace an existing combined file, then
// appends File 2 to File 1 in the target folder, checks that everything of
// both arrived and reports the outcome with any problems the check found.
// Nothing is rescanned afterwards.
void CombineSessions(const QString& file1, const QString& file2, const QString& targetFolder);

} // namespace tandem::combine
