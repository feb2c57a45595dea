#pragma once

#include <QStringView>

#include <vector>

namespace tandem::panes {

// A rank for each of `texts` such that ranks order the texts exactly as
// QString::compare with Qt::CaseInsensitive does, equal ranks for texts it
// finds equal. Each distinct text is case-folded once, so that a sort by
// the ranks compares whole numbers instead of folding both texts again on
// every comparison. Texts that share their characters (the same folder for
// many files) are folded once.
std::vector<int> CaseInsensitiveRanks(const std::vector<QStringView>& texts);

} // namespace tandem::panes
