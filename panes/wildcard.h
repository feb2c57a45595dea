#pragma once

#include <QString>

namespace tandem::panes {

// A case-sensitive wildcard match of the whole text: "*" stands for any run
// of characters, "?" for any one character.
bool WildcardMatch(const QString& pattern, const QString& text);

} // namespace tandem::panes
