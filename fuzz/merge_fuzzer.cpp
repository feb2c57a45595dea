// Appends the second half of each input to the first through the engine, as
// a user's two session files, and checks what is left in the target folder.

#include "fuzz_support.h"

#include "append_session.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using tandem::fuzz::Require;

const tandem::fuzz::ScratchFolder& scratch()
{
    static const tandem::fuzz::ScratchFolder folder("merge");
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto sessions = tandem::fuzz::SplitSessions(data, size);
    const fs::path in = scratch().Folder("in");
    const fs::path target = scratch().Folder("target");
    const fs::path first = in / "One.sesx";
    const fs::path second = in / "Two.sesx";
    tandem::fuzz::WriteFile(first, sessions.first);
    tandem::fuzz::WriteFile(second, sessions.second);

    const auto outcome = tandem::engine::AppendSession(first.string(), second.string(), target.string());

    const std::vector<std::string> left = tandem::fuzz::Entries(target);
    if (outcome.succeeded) {
        const fs::path output = target / "One + Two.sesx";
        Require(left == std::vector<std::string>{ "One + Two.sesx" },
            "a successful merge leaves exactly the combined session in the target folder");
        Require(fs::path(outcome.outputPath) == output, "the reported path is the combined session's");
        Require((sessions.first.empty() && sessions.second.empty()) || fs::file_size(output) > 0,
            "the combined session of non-empty sessions is not empty");
        fs::remove(output);
    } else {
        Require(left.empty(), "a failed merge leaves nothing in the target folder");
        Require(outcome.errorNumber != 0 && !outcome.description.empty(), "a failure says what went wrong");
    }
    return 0;
}
