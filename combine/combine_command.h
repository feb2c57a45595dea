#pragma once

#include "append_session.h"

#include <QString>

namespace tandem::combine {

// The folder the combined session goes to, ending in a separator: File 1's
// or File 2's folder for choices 1 and 2, else the typed folder (not checked
// here: the engine reports a folder it cannot write to).
QString TargetFolder(int choice, const QString& folder1, const QString& folder2, const QString& typedFolder);

// What the user chose for File 2 beside the target: where it goes in time,
// with the gap and the time as typed, and whether to pick its tracks.
struct CombineChoices {
    engine::Placement placement = engine::Placement::AsRecorded;
    QString gap;
    QString at;
    bool chooseTracks = false;
};

// The Combine button: refuses the same file twice (however its path is
// spelled) and a gap or time that is none, asks whether to go on when the
// sample rates differ, asks for confirmation, for File 2's tracks when the
// user wants to pick them, and whether to replace an existing combined file,
// then appends File 2 to File 1 in the target folder with the media paths
// made to work from there, checks that everything of both arrived (but what
// was left out) and reports the outcome with any problems the check found.
// Nothing is rescanned afterwards.
void CombineSessions(
    const QString& file1, const QString& file2, const QString& targetFolder, const CombineChoices& choices = {});

} // namespace tandem::combine
