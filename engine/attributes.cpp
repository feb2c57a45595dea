#include "attributes.h"

#include "numbers.h"

#include <algorithm>
#include <array>

namespace tandem::engine {

namespace {

constexpr auto npos = std::string_view::npos;

// Offset of the first character after the opening quote, or npos when the
// marker is absent.
std::size_t valueStart(std::string_view line, std::string_view marker)
{
    const std::size_t at = line.find(marker);
    return at == npos ? npos : at + marker.size() + 1;
}

// Offset of the closing quote of the value starting at `start`, or npos.
std::size_t closingQuote(std::string_view line, std::size_t start)
{
    return start >= line.size() ? npos : line.find('"', start);
}

} // namespace

std::optional<std::int32_t> ReadAttributeNumber(std::string_view line, std::string_view marker)
{
    const std::size_t start = valueStart(line, marker);
    if (start == npos)
        return std::nullopt;
    return ParseLeadingNumber(start < line.size() ? line.substr(start) : std::string_view());
}

bool HasClosedAttribute(std::string_view line, std::string_view marker)
{
    const std::size_t start = valueStart(line, marker);
    return start != npos && closingQuote(line, start) != npos;
}

std::optional<std::int64_t> ReadAttributeTime(std::string_view line, std::string_view marker)
{
    const std::size_t start = valueStart(line, marker);
    if (start == npos)
        return std::nullopt;
    return ParseLeadingNumber64(start < line.size() ? line.substr(start) : std::string_view());
}

RewrittenLine ReplaceAttributeValues(std::string_view line, std::initializer_list<AttributeValue> values)
{
    struct Span {
        std::size_t start;
        std::size_t close;
        std::int64_t value;
    };
    std::array<Span, RewrittenLine::MaxNumbers> spans{};
    std::size_t count = 0;
    for (const AttributeValue& value : values) {
        if (value.marker.empty())
            continue;
        const std::size_t start = valueStart(line, value.marker);
        const std::size_t close = start == npos ? npos : closingQuote(line, start);
        if (close != npos && count < spans.size())
            spans[count++] = { start, close, value.value };
    }
    // In the order they stand on the line; there are a handful at most.
    for (std::size_t i = 1; i < count; ++i)
        for (std::size_t j = i; j > 0 && spans[j].start < spans[j - 1].start; --j)
            std::swap(spans[j], spans[j - 1]);
    RewrittenLine rewritten;
    rewritten.numbers = 0;
    std::size_t from = 0;
    for (std::size_t i = 0; i < count; ++i) {
        // Values that overlap on a malformed line: the first one stands.
        if (spans[i].start < from)
            continue;
        rewritten.text[static_cast<std::size_t>(rewritten.numbers)] = line.substr(from, spans[i].start - from);
        rewritten.number[static_cast<std::size_t>(rewritten.numbers)] = spans[i].value;
        ++rewritten.numbers;
        from = spans[i].close;
    }
    rewritten.text[static_cast<std::size_t>(rewritten.numbers)] = line.substr(from);
    return rewritten;
}

std::optional<RewrittenLine> ReplaceAttributeValue(std::string_view line, std::string_view marker, std::int64_t value)
{
    const std::size_t start = valueStart(line, marker);
    if (start == npos)
        return std::nullopt;
    const std::size_t close = closingQuote(line, start);
    if (close == npos)
        return std::nullopt;
    RewrittenLine rewritten;
    rewritten.text[0] = line.substr(0, start);
    rewritten.number[0] = value;
    rewritten.text[1] = line.substr(close);
    return rewritten;
}

RewrittenLine ReplaceIdAndIndex(std::string_view line, std::int32_t newId, std::int32_t newIndex)
{
    const std::size_t idAt = line.find(Marker::Id);
    const std::size_t idStart = idAt + Marker::Id.size() + 1;
    const std::size_t idClose = closingQuote(line, idStart);
    const std::size_t indexAt = line.find(Marker::Index);
    RewrittenLine rewritten;
    rewritten.numbers = 2;

    if (indexAt < idAt) {
        // The index comes first. Its value ends at its closing quote, or at
        // the id marker should that come sooner on a malformed line.
        const std::size_t indexStart = indexAt + Marker::Index.size() + 1;
        std::size_t indexEnd = closingQuote(line, indexStart);
        if (indexEnd == npos || indexEnd > idAt)
            indexEnd = idAt;
        rewritten.text[0] = line.substr(0, std::min(indexStart, idAt));
        rewritten.number[0] = newIndex;
        rewritten.text[1] = line.substr(indexEnd, idStart - indexEnd);
        rewritten.number[1] = newId;
        rewritten.text[2] = line.substr(idClose);
        return rewritten;
    }

    const std::string_view tail = line.substr(idClose);
    const std::size_t inTail = tail.find(Marker::Index);
    rewritten.text[0] = line.substr(0, idStart);
    rewritten.number[0] = newId;
    if (inTail == npos) {
        rewritten.text[1] = {};
        rewritten.number[1] = newIndex;
        rewritten.text[2] = tail;
        return rewritten;
    }
    const std::size_t afterQuote = inTail + Marker::Index.size() + 1;
    rewritten.text[1] = tail.substr(0, std::min(afterQuote, tail.size()));
    rewritten.number[1] = newIndex;
    std::string_view after = afterQuote < tail.size() ? tail.substr(afterQuote) : std::string_view();
    const std::size_t quote = after.find('"');
    if (quote != npos)
        after = after.substr(quote);
    rewritten.text[2] = after;
    return rewritten;
}

} // namespace tandem::engine
