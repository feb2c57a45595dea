#pragma once

#include "append_session.h"
#include "temp_dir.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::test {

// Joins lines with LF, as Audition saves them.
std::string Session(std::initializer_list<std::string_view> lines);

// Splits written output at its CR LF line ends.
std::vector<std::string> OutputLines(const std::string& output);

// Merges two session texts through AppendSession, as "One.sesx" and
// "Two.sesx" in `dir`.
engine::AppendOutcome MergeOutcome(const TempDir& dir, std::string_view session1, std::string_view session2,
    const engine::AppendOptions& options = {});

} // namespace tandem::test
