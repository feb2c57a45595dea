#pragma once

#include "rewritten_line.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace tandem::engine {

// Attribute markers: the name with its leading space and the equals sign.
namespace Marker {
constexpr std::string_view Id = " id=";
constexpr std::string_view Index = " index=";
constexpr std::string_view FileId = " fileID=";
constexpr std::string_view OutputId = " outputID=";
constexpr std::string_view SendOutputId = " sendOutputID=";
constexpr std::string_view TrackId = " trackID=";
constexpr std::string_view StartPoint = " startPoint=";
constexpr std::string_view EndPoint = " endPoint=";
constexpr std::string_view SampleOffset = " sampleOffset=";
constexpr std::string_view Duration = " duration=";
constexpr std::string_view RelativePath = " relativePath=";
} // namespace Marker

// Only the first occurrence of a marker on a line counts. Its value starts
// one character after the marker (the opening quote, whatever character
// stands there) and ends at the next double quote (the closing quote).

// The number at the start of the value; nothing when the marker is absent.
std::optional<std::int32_t> ReadAttributeNumber(std::string_view line, std::string_view marker);

// True when the marker is present and its value has a closing quote.
bool HasClosedAttribute(std::string_view line, std::string_view marker);

// The line with the value replaced by `value`; nothing when the marker or the
// closing quote is missing (each caller decides what happens to such a line).
std::optional<RewrittenLine> ReplaceAttributeValue(std::string_view line, std::string_view marker, std::int64_t value);

// A time in samples, which may pass the 32-bit range.
std::optional<std::int64_t> ReadAttributeTime(std::string_view line, std::string_view marker);

// The line with the value of each marker that is present and closed
// replaced, wherever it stands; at most RewrittenLine::MaxNumbers. An empty
// marker stands for nothing to replace.
struct AttributeValue {
    std::string_view marker;
    std::int64_t value;
};
RewrittenLine ReplaceAttributeValues(std::string_view line, std::initializer_list<AttributeValue> values);

// A track line with its id and index replaced. Callers have checked that the
// id has its closing quote and that " index=" is present. When the index
// stands after the id, the index value runs from its opening quote to the
// next double quote; when it stands before the id, each value is replaced
// where it stands and nothing else changes.
RewrittenLine ReplaceIdAndIndex(std::string_view line, std::int32_t newId, std::int32_t newIndex);

} // namespace tandem::engine
