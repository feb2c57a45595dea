#include "bench_options.h"

#include <cstdlib>
#include <string_view>

namespace tandem::bench {

namespace {

constexpr std::uint64_t BytesPerMb = 1'000'000;

std::optional<std::uint64_t> megabytes(std::string_view text)
{
    std::uint64_t value = 0;
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    if (value == 0)
        return std::nullopt;
    return value * BytesPerMb;
}

} // namespace

std::optional<BenchOptions> ParseBenchOptions(int argc, char** argv, std::string& error)
{
    BenchOptions options;
    if (const char* fromEnvironment = std::getenv("TANDEM_BENCH_MB")) {
        const auto bytes = megabytes(fromEnvironment);
        if (!bytes) {
            error = "TANDEM_BENCH_MB must be a whole number of megabytes, not \"" + std::string(fromEnvironment) + "\"";
            return std::nullopt;
        }
        options.sessionBytes = *bytes;
    }
    for (int position = 1; position < argc; ++position) {
        const std::string_view argument = argv[position];
        std::string_view value;
        std::uint64_t* target = &options.sessionBytes;
        if ((argument == "--mb" || argument == "--large-mb") && position + 1 < argc)
            value = argv[++position];
        else if (argument.substr(0, 5) == "--mb=")
            value = argument.substr(5);
        else if (argument.substr(0, 11) == "--large-mb=")
            value = argument.substr(11);
        else {
            error =
                "unknown argument \"" + std::string(argument) + "\"; use --mb N, --large-mb N or --benchmark_* options";
            return std::nullopt;
        }
        if (argument.substr(0, 10) == "--large-mb")
            target = &options.largeSessionBytes;
        const auto bytes = megabytes(value);
        if (!bytes) {
            error = std::string(argument.substr(0, argument.find('='))) + " needs a whole number of megabytes, not \"" +
                std::string(value) + "\"";
            return std::nullopt;
        }
        *target = *bytes;
    }
    return options;
}

} // namespace tandem::bench
