// tandem-check on files that are wrong in every way a user's files can be:
// it must answer each with a finding or a read error, never crash or hang.

#include "tool_run.h"

#include <functional>

namespace tandem::test {
namespace {

constexpr int clean = 0;
constexpr int findings = 1;
constexpr int unreadable = 2;

struct CheckRow {
    const char* name;
    // Writes in/Session.sesx (or leaves it missing); returns the path to check.
    std::function<std::string(ToolTest&)> prepare;
    int exitCode;
    const char* expected; // part of what is printed
};

std::string PrintRowName(const testing::TestParamInfo<CheckRow>& info) { return info.param.name; }

class CheckBadInputTest : public ToolTest, public testing::WithParamInterface<CheckRow> {
public:
    // The fixture's helpers, for the rows.
    std::string Write(const std::string& content)
    {
        write("in/Session.sesx", content);
        return path("in/Session.sesx");
    }
    std::string Path(const std::string& name) const { return path(name); }
    // Runs the tool with no more than 200 MB of address space.
    bool limitMemory = false;
};

TEST_P(CheckBadInputTest, AnswersWithAFindingOrAReadError)
{
    const CheckRow& row = GetParam();
    const std::string file = row.prepare(*this);
    const ToolRun result = limitMemory
        ? runTool("sh", "-c 'ulimit -v 200000; exec \"" TANDEM_CHECK_PATH "\" \"" + file + "\"'")
        : runTool(TANDEM_CHECK_PATH, "\"" + file + "\"");
    EXPECT_EQ(result.exitCode, row.exitCode) << result.out << result.err;
    EXPECT_NE((result.out + result.err).find(row.expected), std::string::npos) << result.out << result.err;
}

std::string repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Files, CheckBadInputTest,
    testing::Values(
        CheckRow{ "Missing", [](ToolTest& t) { return static_cast<CheckBadInputTest&>(t).Path("in/Missing.sesx"); },
            unreadable, "cannot be read: File not found (error 53)" },
        CheckRow{ "Folder", [](ToolTest& t) { return static_cast<CheckBadInputTest&>(t).Path("in"); }, unreadable,
            "cannot be read: " },
        CheckRow{ "Empty", [](ToolTest& t) { return static_cast<CheckBadInputTest&>(t).Write(""); }, findings,
            ":1: The file is not well-formed XML: there is no root element." },
        CheckRow{ "BinaryGarbage",
            [](ToolTest& t) {
                std::mt19937 random(3);
                std::string garbage(64 * 1024, '\0');
                for (char& c : garbage)
                    c = static_cast<char>(random());
                return static_cast<CheckBadInputTest&>(t).Write("<sesx>" + garbage);
            },
            findings, "The file is not well-formed XML: " },
        // The check compares names and ids; bytes that are not UTF-8 in
        // values are the merge's to pass through.
        CheckRow{ "InvalidUtf8InValues",
            [](ToolTest& t) {
                return static_cast<CheckBadInputTest&>(t).Write(
                    "<sesx>\n<tracks>\n<audioTrack id=\"10001\">\n<name>\xC3\x28\xFF</name>\n</audioTrack>\n"
                    "</tracks>\n</sesx>\n");
            },
            clean, ": OK" },
        CheckRow{ "SingleLineOf100Megabytes",
            [](ToolTest& t) { return static_cast<CheckBadInputTest&>(t).Write(std::string(100u << 20, 'x')); },
            findings, ":1: The file is not well-formed XML: there is text before the root element." },
        CheckRow{ "TenMillionAttributes",
            [](ToolTest& t) {
                return static_cast<CheckBadInputTest&>(t).Write(
                    "<sesx>\n<audioTrack" + repeated(" a=\"1\"", 10'000'000) + "/>\n</sesx>\n");
            },
            findings, ":2: The file is not well-formed XML: attribute \"a\" appears twice on <audioTrack>." },
#ifndef _WIN32
        // A tag larger than the memory the check may take: it is not
        // checked, and that is not a finding.
        CheckRow{ "OutOfMemory",
            [](ToolTest& t) {
                auto& test = static_cast<CheckBadInputTest&>(t);
                test.limitMemory = true;
                return test.Write("<sesx>\n<audioTrack id=\"" + std::string(300u << 20, '1') + "\"/>\n</sesx>\n");
            },
            unreadable, ": could not be checked: Out of memory (error 7)" },
#endif
        // Far deeper than any stack would allow a recursive walk.
        CheckRow{ "AMillionNestedElements",
            [](ToolTest& t) {
                return static_cast<CheckBadInputTest&>(t).Write(
                    "<sesx>\n" + repeated("<a>", 1'000'000) + repeated("</a>", 1'000'000) + "\n</sesx>\n");
            },
            clean, ": OK" }),
    PrintRowName);

// Every prefix of a golden session that ends at a block boundary is
// reported as not well-formed. The files are checked a batch a run: a
// Windows command line holds some 8000 characters.
TEST_F(ToolTest, TruncatedSessionsAreNotWellFormed)
{
    constexpr std::size_t batchCharacters = 6000;
    std::vector<std::string> files;
    std::string out;
    std::string arguments;
    const auto checkBatch = [&] {
        const ToolRun result = runTool(TANDEM_CHECK_PATH, arguments);
        EXPECT_EQ(result.exitCode, findings) << result.err;
        out += result.out;
        arguments.clear();
    };
    for (const std::string pair : { "podcast", "video-crlf-tabs" }) {
        for (const std::string name : { "One.sesx", "Two.sesx" }) {
            const std::string text = readAll(fs::path(TANDEM_GOLDEN_DIR) / pair / name);
            const std::size_t rootEnd = text.rfind("</sesx>");
            ASSERT_NE(rootEnd, std::string::npos);
            for (std::size_t end = text.find('\n'); end != std::string::npos && end < rootEnd;
                 end = text.find('\n', end + 1)) {
                const std::string cut = "in/" + pair + "-" + name + "-" + std::to_string(end + 1) + ".sesx";
                write(cut, text.substr(0, end + 1));
                files.push_back(path(cut));
                arguments += " \"" + path(cut) + "\"";
                if (arguments.size() > batchCharacters)
                    checkBatch();
            }
        }
    }
    if (!arguments.empty())
        checkBatch();
    ASSERT_GT(files.size(), 100u);
    for (const std::string& file : files)
        EXPECT_NE(out.find(file + ":"), std::string::npos) << file << " was not reported";
    // One finding a file, and always the same kind.
    std::istringstream lines(out);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_NE(line.find(": The file is not well-formed XML: "), std::string::npos) << line;
    EXPECT_EQ(count, files.size());
}

} // namespace
} // namespace tandem::test
