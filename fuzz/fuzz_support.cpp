#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace tandem::fuzz {

SessionPair SplitSessions(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find(SessionSeparator);
    if (cut == std::string_view::npos)
        return { input, {} };
    return { input.substr(0, cut), input.substr(cut + SessionSeparator.size()) };
}

const test::TempDir& Scratch()
{
    static const test::TempDir folder;
    return folder;
}

void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "\nfuzz check failed: %s\n", what);
    std::abort();
}

} // namespace tandem::fuzz
