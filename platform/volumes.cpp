#include "volumes.h"

#include <cctype>

namespace tandem::platform {

namespace {

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Windows paths compare without regard to case; mount points do not.
bool startsWithRoot(const std::string& path, const std::string& root)
{
    if (path.size() < root.size())
        return false;
    for (std::size_t i = 0; i < root.size(); ++i) {
#ifdef _WIN32
        if (upper(path[i]) != upper(root[i]))
            return false;
#else
        if (path[i] != root[i])
            return false;
#endif
    }
    return true;
}

} // namespace

std::string Volumes::PresentLetters() const
{
    std::string letters;
    for (const Drive& drive : Drives())
        letters.push_back(drive.letter);
    return letters;
}

std::string Volumes::RootOfLetter(char letter) const
{
    for (const Drive& drive : Drives())
        if (drive.letter == upper(letter))
            return drive.root;
    return std::string(1, upper(letter)) + ":\\";
}

std::string Volumes::DriveRootOf(const std::string& path) const
{
    // Mounts nest, so the longest root that starts the path holds it. A
    // path may name the root itself without its trailing separator.
    std::string best;
    for (const Drive& drive : Drives()) {
        const bool holds = startsWithRoot(path, drive.root) || startsWithRoot(path + '/', drive.root) ||
            startsWithRoot(path + '\\', drive.root);
        if (holds && drive.root.size() > best.size())
            best = drive.root;
    }
    return best;
}

char Volumes::CurrentDriveLetter() const
{
    const std::string current = CurrentDirectory();
    const std::string root = DriveRootOf(current);
    for (const Drive& drive : Drives())
        if (drive.root == root)
            return drive.letter;
    return current.empty() ? 0 : upper(current[0]);
}

} // namespace tandem::platform
