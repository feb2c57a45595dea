#include "output_naming.h"

#include "paths.h"

namespace tandem::engine {

namespace {

constexpr std::size_t extensionLength = 5;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Drops the last `count` characters of UTF-8 text; nothing when it has fewer.
std::optional<std::string> dropLastCharacters(const std::string& text, std::size_t count)
{
    std::size_t end = text.size();
    for (std::size_t dropped = 0; dropped < count; ++dropped) {
        if (end == 0)
            return std::nullopt;
        --end;
        while (end > 0 && isContinuationByte(text[end]))
            --end;
    }
    return text.substr(0, end);
}

std::string escapeXml(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::optional<OutputNames> MakeOutputNames(const std::string& firstPath, const std::string& secondPath)
{
    const auto firstName = dropLastCharacters(platform::GetFileName(firstPath), extensionLength);
    const std::string secondFileName = platform::GetFileName(secondPath);
    const auto secondName = dropLastCharacters(secondFileName, extensionLength);
    if (!firstName || !secondName)
        return std::nullopt;
    return OutputNames{ *firstName, secondFileName, *secondName };
}

std::string OutputPath(const std::string& targetFolder, const OutputNames& names)
{
    return platform::AddTrailingBackslash(targetFolder) + names.firstName + " + " + names.secondFileName;
}

std::string SessionNameLine(const OutputNames& names)
{
    return "<name>" + escapeXml(names.firstName) + "+" + escapeXml(names.secondName) + "</name>";
}

} // namespace tandem::engine
