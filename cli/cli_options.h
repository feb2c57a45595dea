#pragma once

#include "append_session.h"
#include "placement_time.h"
#include "session_tracks.h"

#include <optional>
#include <string>
#include <vector>

namespace tandem::cli {

struct CliOptions {
    enum class Action { Append, Help, Version, Usage };
    Action action = Action::Usage;
    std::string target; // empty: FIRST's folder
    std::string firstPath;
    std::string secondPath;
    bool verify = true; // check the combined session once it is written
    bool force = false; // combine sessions whose sample rates differ
    bool noClobber = false; // leave an existing combined file alone
    engine::Placement placement = engine::Placement::AsRecorded;
    double gapSeconds = 0; // --after
    engine::PlacementTime at; // --at
    std::optional<std::string> tracks; // --tracks, as given
    bool keepRelativePaths = false;
    std::string problem; // why the arguments were refused, for Usage
};

CliOptions ParseArguments(const std::vector<std::string>& arguments);

// The positions of session 2's tracks that --tracks names, by their 1-based
// position or their name, among `tracks`; nothing, with the item in
// `unknown`, when one names no track.
std::optional<std::vector<int>> ChosenTracks(
    const std::string& list, const std::vector<engine::SessionTrack>& tracks, std::string& unknown);

std::string UsageText();

// Exit statuses of tandem-append.
namespace ExitCode {
constexpr int Success = 0;
constexpr int ReadFailure = 1;
constexpr int WriteFailure = 2; // also: sample rates differ, without --force
constexpr int CheckFindings = 3;
constexpr int Usage = 64;
} // namespace ExitCode

} // namespace tandem::cli
