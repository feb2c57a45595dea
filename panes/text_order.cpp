#include "text_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

namespace tandem::panes {

namespace {

// What the case-insensitive compare compares, one value per UTF-16 unit: a
// unit folded alone, but a low surrogate after a high one folded as the
// character the two make. Plain ASCII folds A to Z and nothing else.
void appendFolded(QStringView text, std::u32string& folded)
{
    char16_t last = 0;
    for (const QChar unit : text) {
        const char16_t code = unit.unicode();
        if (code < 0x80) {
            folded += code >= u'A' && code <= u'Z' ? char32_t(code + (u'a' - u'A')) : char32_t(code);
        } else {
            const char32_t character = QChar::isLowSurrogate(code) && QChar::isHighSurrogate(last)
                ? QChar::surrogateToUcs4(last, code)
                : char32_t(code);
            folded += QChar::toCaseFolded(character);
        }
        last = code;
    }
}

// Folded values are at most 0x10FFFF: 21 bits, three to a word. A text
// that ends early has zeros, which sort before any character, as its end
// does.
constexpr std::size_t packedWords = 4;
constexpr std::size_t perWord = 3;
constexpr std::size_t packedCharacters = packedWords * perWord;

struct Packed {
    std::array<std::uint64_t, packedWords> head;
    int key;
};

Packed pack(std::u32string_view key, int which)
{
    Packed packed{ {}, which };
    for (std::size_t i = 0; i < key.size() && i < packedCharacters; ++i)
        packed.head[i / perWord] |= std::uint64_t(key[i]) << (21 * (perWord - 1 - i % perWord));
    return packed;
}

} // namespace

std::vector<int> CaseInsensitiveRanks(const std::vector<QStringView>& texts)
{
    // One folded key per run of texts that share their characters.
    std::u32string folded;
    std::size_t units = 0;
    for (const QStringView text : texts)
        units += static_cast<std::size_t>(text.size());
    folded.reserve(units);
    std::vector<std::size_t> starts;
    std::vector<int> textKey(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool shared = i > 0 && texts[i].data() == texts[i - 1].data() && texts[i].size() == texts[i - 1].size();
        if (!shared) {
            starts.push_back(folded.size());
            appendFolded(texts[i], folded);
        }
        textKey[i] = static_cast<int>(starts.size()) - 1;
    }
    starts.push_back(folded.size());
    std::vector<std::u32string_view> keys;
    keys.reserve(starts.size() - 1);
    for (std::size_t key = 0; key + 1 < starts.size(); ++key)
        keys.push_back(std::u32string_view(folded).substr(starts[key], starts[key + 1] - starts[key]));

    // The keys are sorted with their first characters packed beside them,
    // so that most comparisons need not reach into the folded text, which
    // lies all over memory.
    std::vector<Packed> byKey(keys.size());
    for (std::size_t key = 0; key < keys.size(); ++key)
        byKey[key] = pack(keys[key], static_cast<int>(key));
    std::sort(byKey.begin(), byKey.end(), [&keys](const Packed& a, const Packed& b) {
        if (a.head != b.head)
            return a.head < b.head;
        return keys[static_cast<std::size_t>(a.key)] < keys[static_cast<std::size_t>(b.key)];
    });
    std::vector<int> keyRank(keys.size());
    int rank = 0;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        const auto key = static_cast<std::size_t>(byKey[i].key);
        if (i > 0 && keys[key] != keys[static_cast<std::size_t>(byKey[i - 1].key)])
            ++rank;
        keyRank[key] = rank;
    }
    std::vector<int> ranks(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        ranks[i] = keyRank[static_cast<std::size_t>(textKey[i])];
    return ranks;
}

} // namespace tandem::panes
