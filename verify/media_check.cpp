#include "media_check.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tandem::verify {

namespace {

constexpr std::size_t namedFiles = 5;

// A named reference at `at`: the character it stands for and its length.
std::optional<std::pair<char, std::size_t>> namedReference(const std::string& text, std::size_t at)
{
    static const std::pair<std::string, char> named[] = { { "&amp;", '&' }, { "&lt;", '<' }, { "&gt;", '>' },
        { "&quot;", '"' }, { "&apos;", '\'' } };
    for (const auto& [reference, c] : named)
        if (text.compare(at, reference.size(), reference) == 0)
            return std::make_pair(c, reference.size());
    return std::nullopt;
}

void appendUtf8(std::string& text, unsigned long code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A path as written in XML, its references replaced.
std::string unescaped(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            plain += text[i++];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (const auto named = namedReference(text, i)) {
            plain += named->first;
            i += named->second;
        } else if (text.compare(i, 2, "&#") == 0 && end != std::string::npos && end - i < 12) {
            const bool hex = i + 2 < text.size() && text[i + 2] == 'x';
            appendUtf8(plain, std::strtoul(text.c_str() + i + (hex ? 3 : 2), nullptr, hex ? 16 : 10));
            i = end + 1;
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

bool isFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Audition writes either separator in relative paths, whatever the system.
std::filesystem::path relativeTo(const std::filesystem::path& folder, std::string relative)
{
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    return folder / std::filesystem::u8path(relative);
}

bool found(const std::filesystem::path& folder, const MediaPaths& media)
{
    const std::string absolute = unescaped(media.absolutePath);
    const std::string relative = unescaped(media.relativePath);
    return (!absolute.empty() && isFile(std::filesystem::u8path(absolute))) ||
        (!relative.empty() && isFile(relativeTo(folder, relative)));
}

std::string nameOf(const MediaPaths& media)
{
    std::string path = unescaped(media.relativePath.empty() ? media.absolutePath : media.relativePath);
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

std::vector<std::string> MissingMedia(
    const std::string& combinedPath, const std::vector<MediaPaths>& media, std::size_t firstCount)
{
    const std::filesystem::path folder = std::filesystem::u8path(combinedPath).parent_path();
    std::vector<std::string> sentences;
    for (int file = 1; file <= 2; ++file) {
        const std::size_t begin = file == 1 ? 0 : std::min(firstCount, media.size());
        const std::size_t end = file == 1 ? std::min(firstCount, media.size()) : media.size();
        std::vector<std::string> missing;
        for (std::size_t i = begin; i < end; ++i)
            if (!found(folder, media[i]))
                missing.push_back(nameOf(media[i]));
        if (missing.empty())
            continue;
        std::string sentence = std::to_string(missing.size()) + (missing.size() == 1 ? " media file" : " media files") +
            " of File " + std::to_string(file) + " cannot be found: ";
        for (std::size_t i = 0; i < missing.size() && i < namedFiles; ++i)
            sentence += (i > 0 ? ", " : "") + missing[i];
        if (missing.size() > namedFiles)
            sentence += " and " + std::to_string(missing.size() - namedFiles) + " more";
        sentences.push_back(sentence + ".");
    }
    return sentences;
}

} // namespace tandem::verify
