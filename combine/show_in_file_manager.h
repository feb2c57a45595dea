#pragma once

#include <QString>

namespace tandem::combine {

// Shows `file` in the system's file manager: selected in Explorer and the
// Finder, its folder opened elsewhere.
void ShowInFileManager(const QString& file);

} // namespace tandem::combine
