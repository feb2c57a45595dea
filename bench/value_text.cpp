#include "value_text.h"

#include <cstdio>

namespace tandem::bench {

std::string FloatText(float value)
{
    // A float widened to double is exact, and 40 significant digits hold
    // the complete decimal expansion of any float in [0, 1].
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.40g", static_cast<double>(value));
    return std::string(text, static_cast<std::size_t>(length));
}

std::string Guid(RandomSource& random)
{
    static const char digits[] = "0123456789abcdef";
    const std::uint64_t high = random.Next();
    const std::uint64_t low = random.Next();
    std::string text;
    text.reserve(36);
    for (int nibble = 0; nibble < 32; ++nibble) {
        if (nibble == 8 || nibble == 12 || nibble == 16 || nibble == 20)
            text += '-';
        const std::uint64_t half = nibble < 16 ? high : low;
        text += digits[(half >> ((nibble % 16) * 4)) & 0xF];
    }
    return text;
}

std::string Padded(std::int64_t value, int width)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

} // namespace tandem::bench
