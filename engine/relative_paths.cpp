#include "relative_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tandem::engine {

namespace {

// Audition writes either separator in relative paths, whatever the system.
bool isSeparator(char c) { return c == '/' || c == '\\'; }

bool isAbsolute(std::string_view path)
{
    return (!path.empty() && isSeparator(path[0])) ||
        (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])));
}

// The path's parts with "." and ".." worked out; ".." beyond the start
// stays.
std::vector<std::string> parts(std::string_view path, std::vector<std::string> base = {})
{
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (!base.empty() && base.back() != "..")
                base.pop_back();
            else
                base.emplace_back(part);
        } else if (!part.empty() && part != ".") {
            base.emplace_back(part);
        }
        start = end + 1;
    }
    return base;
}

// Windows does not tell names apart by case.
bool samePart(const std::string& a, const std::string& b)
{
#ifdef _WIN32
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
#else
    return a == b;
#endif
}

std::vector<std::string> absoluteParts(const std::string& folder)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::u8path(folder), error);
    const std::string text = error ? folder : absolute.u8string();
    std::vector<std::string> result = parts(text);
    // Where a path starts matters: a drive, or the root of everything.
    if (!text.empty() && isSeparator(text[0]))
        result.insert(result.begin(), "/");
    return result;
}

bool sameFolder(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), samePart);
}

} // namespace

std::optional<PathRebase> PathRebase::Between(const std::string& sessionFolder, const std::string& targetFolder)
{
    PathRebase rebase;
    rebase.from_ = absoluteParts(sessionFolder);
    rebase.to_ = absoluteParts(targetFolder);
    if (sameFolder(rebase.from_, rebase.to_))
        return std::nullopt;
    return rebase;
}

std::optional<std::string> PathRebase::Rebased(std::string_view relativePath) const
{
    if (relativePath.empty() || isAbsolute(relativePath))
        return std::nullopt;
    const std::vector<std::string> file = parts(relativePath, from_);
    // Another drive, or a path that climbs out of everything.
    if (file.empty() || to_.empty() || !samePart(file[0], to_[0]) || file[0] == "..")
        return std::nullopt;
    std::size_t common = 0;
    while (common < file.size() && common < to_.size() && samePart(file[common], to_[common]))
        ++common;
    const char separator = relativePath.find('\\') != std::string_view::npos ? '\\' : '/';
    std::string rebased;
    for (std::size_t up = common; up < to_.size(); ++up)
        rebased += std::string("..") + separator;
    for (std::size_t i = common; i < file.size(); ++i)
        rebased += file[i] + (i + 1 < file.size() ? std::string(1, separator) : std::string());
    return rebased;
}

} // namespace tandem::engine
