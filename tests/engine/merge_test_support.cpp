#include "merge_test_support.h"

#include <gtest/gtest.h>

namespace tandem::test {

std::string Session(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const auto line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::vector<std::string> OutputLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "output does not end in CR LF: " << output.substr(start);
            lines.push_back(output.substr(start));
            break;
        }
        lines.push_back(output.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

engine::AppendOutcome MergeOutcome(
    const TempDir& dir, std::string_view session1, std::string_view session2, const engine::AppendOptions& options)
{
    const std::string first = dir.Write("One.sesx", session1);
    const std::string second = dir.Write("Two.sesx", session2);
    return engine::AppendSession(first, second, dir.Path(), options);
}

} // namespace tandem::test
