#include "tool_run.h"

#include "tandem_version.h"

#include <functional>

namespace tandem::test {
namespace {

class TandemCheckTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        write("in/Clean.sesx",
            "<sesx>\n<session>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n"
            "</session>\n</sesx>\n");
        write("in/Broken.sesx",
            "<sesx>\n<session>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n"
            "<trackOutput outputID=\"10004\" type=\"trackID\"/>\n</audioTrack>\n"
            "<busTrack id=\"10001\" index=\"2\">\n</busTrack>\n</tracks>\n</session>\n</sesx>\n");
    }
    ToolRun run(const std::string& arguments) { return runTool(TANDEM_CHECK_PATH, arguments); }
};

TEST_F(TandemCheckTest, CleanFilesAreOk)
{
    const ToolRun result = run(quoted("in/Clean.sesx"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, path("in/Clean.sesx") + ": OK\n");
}

TEST_F(TandemCheckTest, FindingsArePrintedWithTheirLinesPerFile)
{
    const ToolRun result = run(quoted("in/Broken.sesx") + " " + quoted("in/Clean.sesx"));
    EXPECT_EQ(result.exitCode, 1);
    const std::string broken = path("in/Broken.sesx");
    EXPECT_EQ(result.out,
        broken + ":5: Track 10001 sends its output to track 10004, which does not exist.\n" + broken +
            ":7: Track id 10001 is used a second time (first on line 4).\n" + path("in/Clean.sesx") + ": OK\n");
}

// Every file is checked even when one cannot be read, and that weighs most.
TEST_F(TandemCheckTest, AnUnreadableFileExitsTwo)
{
    const ToolRun result = run(quoted("in/Missing.sesx") + " " + quoted("in/Broken.sesx"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, path("in/Missing.sesx") + ": cannot be read: File not found (error 53)\n");
    EXPECT_NE(result.out.find(":7: Track id 10001"), std::string::npos);
}

// Files wrong in the ways a hostile or broken file can be: a finding or a
// read error, never a crash, a hang or a false alarm.
struct HostileRow {
    const char* name;
    std::function<std::string()> content; // nothing: a folder
    int exitCode;
    const char* expected; // part of what is printed
    const char* runAs = ""; // a shell command before the tool
};

class HostileTest : public TandemCheckTest, public testing::WithParamInterface<HostileRow> { };

TEST_P(HostileTest, AnswersWithAFindingOrAReadError)
{
    const HostileRow& row = GetParam();
    std::string file = path("in");
    if (row.content) {
        write("in/Hostile.sesx", row.content());
        file = path("in/Hostile.sesx");
    }
    runAs = row.runAs;
    const ToolRun result = run("\"" + file + "\"");
    EXPECT_EQ(result.exitCode, row.exitCode) << result.out << result.err;
    EXPECT_NE((result.out + result.err).find(row.expected), std::string::npos) << result.out << result.err;
}

std::vector<HostileRow> hostileRows()
{
    std::vector<HostileRow> rows{
        { "Folder", nullptr, 2, ": cannot be read: " },
        { "BinaryGarbage",
            [] {
                std::mt19937 random(3);
                std::string garbage(64 * 1024, '\0');
                for (char& c : garbage)
                    c = static_cast<char>(random());
                return "<sesx>" + garbage;
            },
            1, "The file is not well-formed XML: " },
        { "TenMillionAttributes",
            [] { return "<sesx>\n<audioTrack" + repeated(" a=\"1\"", 10'000'000) + "/>\n</sesx>\n"; }, 1,
            ":2: The file is not well-formed XML: attribute \"a\" appears twice on <audioTrack>." },
        // Far deeper than any stack would allow a recursive walk.
        { "AMillionNestedElements",
            [] { return "<sesx>\n" + repeated("<a>", 1'000'000) + repeated("</a>", 1'000'000) + "\n</sesx>\n"; }, 0,
            ": OK" },
    };
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
    // A tag larger than the memory the check may take: the file is not
    // checked, and that is no finding. (AddressSanitizer needs far more
    // address space than the limit leaves.)
    rows.push_back(
        { "OutOfMemory", [] { return "<sesx>\n<audioTrack id=\"" + std::string(300u << 20, '1') + "\"/>\n</sesx>\n"; },
            2, ": could not be checked: Out of memory (error 7)", "ulimit -v 200000; " });
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileTest, testing::ValuesIn(hostileRows()),
    [](const testing::TestParamInfo<HostileRow>& info) { return std::string(info.param.name); });

TEST_F(TandemCheckTest, UsageHelpAndVersion)
{
    const ToolRun none = run("");
    EXPECT_EQ(none.exitCode, 64);
    EXPECT_NE(none.err.find("Usage: tandem-check"), std::string::npos);
    EXPECT_EQ(run("--strict " + quoted("in/Clean.sesx")).exitCode, 64);
    const ToolRun help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: tandem-check", 0), 0u);
    EXPECT_EQ(run("--version").out, "tandem-check " TANDEM_VERSION "\n");
}

} // namespace
} // namespace tandem::test
