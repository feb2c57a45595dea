#include "wildcard.h"

namespace tandem::panes {

bool WildcardMatch(const QString& pattern, const QString& text)
{
    // Greedy with backtracking to the last "*": linear for patterns with
    // one star, as every caller has.
    int p = 0;
    int t = 0;
    int starAt = -1;
    int resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starAt = p++;
            resumeAt = t;
        } else if (starAt >= 0) {
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace tandem::panes
