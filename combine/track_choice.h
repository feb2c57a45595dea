#pragma once

#include "session_tracks.h"

#include <QString>

#include <optional>
#include <vector>

namespace tandem::combine {

// Asks which of File 2's audio and bus tracks go into the combined session:
// a dialog lists them by name, all ticked. Gives the positions ticked when
// the user presses OK, nothing on Cancel.
std::optional<std::vector<int>> ChooseTracks(const QString& file2, const std::vector<engine::SessionTrack>& tracks);

} // namespace tandem::combine
