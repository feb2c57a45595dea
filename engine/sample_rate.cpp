#include "sample_rate.h"

#include "line_tests.h"

#include "file_io.h"

#include <algorithm>
#include <optional>

namespace tandem::engine {

namespace {

constexpr std::string_view sessionPrefix = "<session ";
constexpr std::string_view sampleRateMarker = " sampleRate=";

// A line as the merge examines it: TABs count as spaces and leading spaces
// do not count. The TABs are replaced in a copy, which is only ever the
// short session line.
std::string normalised(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    std::string text(start == std::string_view::npos ? std::string_view() : line.substr(start));
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

// The value runs from one character after the marker (the opening quote) to
// the next double quote, as every attribute of a session is read.
std::string valueAfter(std::string_view line, std::string_view marker)
{
    const std::size_t found = line.find(marker);
    if (found == std::string_view::npos)
        return {};
    const std::size_t start = found + marker.size() + 1;
    if (start > line.size())
        return {};
    const std::size_t end = line.find('"', start);
    if (end == std::string_view::npos)
        return {};
    return std::string(line.substr(start, end - start));
}

bool allDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string withoutLeadingZeros(const std::string& digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// The first session line, and whether its line end was seen: in the head
// of a file, a line that runs to the end of the text may go on.
struct SessionLine {
    std::string line;
    bool ended = false;
};

std::optional<SessionLine> firstSessionLine(std::string_view text)
{
    const char separator = text.find('\n') != std::string_view::npos ? '\n' : '\r';
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        const bool ended = end != std::string_view::npos;
        if (!ended)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        // Most lines are told apart without a copy.
        if (line.find("<session") != std::string_view::npos) {
            std::string session = normalised(line);
            if (StartsWith(session, sessionPrefix))
                return SessionLine{ std::move(session), ended };
        }
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace

std::string SampleRateOfText(std::string_view text)
{
    const auto session = firstSessionLine(text);
    return session ? valueAfter(session->line, sampleRateMarker) : std::string();
}

std::string SessionSampleRate(const std::string& path)
{
    // The session line comes within the first lines of a session, so the
    // head of a file nearly always answers; the merge reads the whole file
    // anyway, and reading it twice would cost as much again.
    constexpr std::size_t headBytes = 64 * 1024;
    platform::FileBytes head;
    if (platform::ReadFileStart(path, headBytes, head) != 0)
        return {};
    const std::string_view text(head.data.get(), head.size);
    if (head.size < headBytes)
        return SampleRateOfText(text);
    // Lines end at LF in a file that has one, so a head without LF does not
    // tell how the whole file is split.
    const auto session = text.find('\n') != std::string_view::npos ? firstSessionLine(text) : std::nullopt;
    if (session && session->ended)
        return valueAfter(session->line, sampleRateMarker);
    platform::FileBytes whole;
    if (platform::ReadWholeFile(path, whole) != 0)
        return {};
    return SampleRateOfText({ whole.data.get(), whole.size });
}

bool SampleRatesDiffer(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty())
        return false;
    if (allDigits(first) && allDigits(second))
        return withoutLeadingZeros(first) != withoutLeadingZeros(second);
    return first != second;
}

} // namespace tandem::engine
