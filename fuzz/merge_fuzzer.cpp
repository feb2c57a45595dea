// Appends the second half of each input to the first through the engine, as
// a user's two session files, and checks what is left in the target folder.

#include "fuzz_support.h"

#include "append_session.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using tandem::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto sessions = tandem::fuzz::SplitSessions(data, size);
    const tandem::test::TempDir& scratch = tandem::fuzz::Scratch();
    const std::string first = scratch.Write("in/One.sesx", sessions.first);
    const std::string second = scratch.Write("in/Two.sesx", sessions.second);
    fs::create_directories(scratch.Path("target"));
    const fs::path target = scratch.Path("target");

    const auto outcome = tandem::engine::AppendSession(first, second, target.string());

    const std::vector<std::string> left = scratch.Entries("target");
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
