#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tandem::engine {

// Reading either input and writing the combined file fail differently: a
// read failure leaves nothing behind, a write failure may name the file.
enum class Phase { Read, Write };

struct AppendOutcome {
    bool succeeded = false;
    std::string firstPath;
    std::string secondPath;
    // The combined file's full path: set on success, and on a write failure
    // once it is known.
    std::string outputPath;
    Phase phase = Phase::Read;
    int errorNumber = 0;
    std::string description;
    // On failure, the file or folder it concerns: the input that could not
    // be read, the combined file, or the target folder.
    std::string failedPath;
};

// Where session 2 goes in time. As recorded: its clips, automation and
// markers keep their times. After File 1: they move by the end of session
// 1's last clip plus a gap. At: they move by a given time.
enum class Placement { AsRecorded, AfterFile1, At };

struct AppendOptions {
    // An existing file of the combined file's name is replaced; without
    // this the merge fails with 58 and leaves it alone.
    bool replaceExisting = true;
    Placement placement = Placement::AsRecorded;
    // After File 1: the gap in seconds at session 1's sample rate.
    double gapSeconds = 0;
    // At: the time in samples at session 1's rate, or else in seconds.
    std::optional<std::int64_t> atSamples;
    double atSeconds = 0;
    // Session 2's audio and bus tracks to merge, by their 1-based position
    // in its file; nothing: all of them.
    std::optional<std::vector<int>> tracks;
    // Media file paths relative to each session's folder are rewritten to
    // be read from the target folder, so that the media stay found.
    bool rewriteRelativePaths = false;
    // Sees the combined file's bytes, piece by piece, as they are written
    // (so that they can be checked while the merge goes on).
    std::function<void(const char* data, std::size_t size)> written;
};

// Appends session 2 (secondPath) to session 1 (firstPath) and writes the
// combined session into targetFolder as "<first name> + <second file name>".
// An existing file of that name is replaced only once the new one is
// complete; on failure nothing is left behind. A file that cannot be a
// session (a first session without a line break, or either one holding a
// NUL byte) is a read failure, 321. Never throws.
AppendOutcome AppendSession(const std::string& firstPath, const std::string& secondPath,
    const std::string& targetFolder, const AppendOptions& options = {});

// The full path the combined file of these sessions gets in targetFolder;
// empty when the names are too short to make one.
std::string CombinedFilePath(
    const std::string& firstPath, const std::string& secondPath, const std::string& targetFolder);

} // namespace tandem::engine
