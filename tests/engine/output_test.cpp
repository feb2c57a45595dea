#include "merge_test_support.h"
#include "messages.h"
#include "output_naming.h"

#include "errors.h"
#include "paths.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tandem::engine {
namespace {

using test::OutputLines;
using test::ReadFile;
using test::Session;
using test::TempDir;

const std::string sep(1, platform::PathSeparator);

struct NameCase {
    const char* first;
    const char* second;
    const char* fileName;
    const char* nameLine;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.first << " + " << c.second; }

class OutputNameTest : public testing::TestWithParam<NameCase> { };

TEST_P(OutputNameTest, NamesTheFileAndTheSession)
{
    const auto names = MakeOutputNames(GetParam().first, GetParam().second);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(OutputPath("D:" + sep + "Mix", *names), "D:" + sep + "Mix" + sep + GetParam().fileName);
    EXPECT_EQ(SessionNameLine(*names), GetParam().nameLine);
}

INSTANTIATE_TEST_SUITE_P(Output, OutputNameTest,
    testing::Values(
        NameCase{ "/a/Take A.sesx", "E:/b/Take B.sesx", "Take A + Take B.sesx", "<name>Take A+Take B</name>" },
        NameCase{ "/x/Song.sesx", "/y/Song (2).sesx", "Song + Song (2).sesx", "<name>Song+Song (2)</name>" },
        // Names are escaped in the session, not in the file name.
        NameCase{ "R&B <1>.sesx", "Rock & Roll.sesx", "R&B <1> + Rock & Roll.sesx",
            "<name>R&amp;B &lt;1&gt;+Rock &amp; Roll</name>" },
        // Five characters are dropped, not five bytes.
        NameCase{ "Bölüm.sesx", "混合.sesx", "Bölüm + 混合.sesx", "<name>Bölüm+混合</name>" },
        NameCase{ ".sesx", "b.sesx", " + b.sesx", "<name>+b</name>" },
        NameCase{ "noext", "other", " + other", "<name>+</name>" }));

TEST(Output, FileNamesTooShortAreRefused)
{
    EXPECT_FALSE(MakeOutputNames("/x/a.se", "/x/b.sesx"));
    EXPECT_FALSE(MakeOutputNames("/x/a.sesx", "/x/b.se"));
    EXPECT_FALSE(MakeOutputNames("/x/", "/x/b.sesx"));
}

// Larger than the writer's buffer, and a line longer than it: every byte
// around each flush is written once, in its place.
TEST(Output, ASessionLargerThanTheBufferComesOutWhole)
{
    std::string session;
    std::string expected;
    for (int i = 0; session.size() < (3u << 20); ++i) {
        const std::string line =
            "<parameter index=\"" + std::to_string(i) + "\" value=\"" + std::string(i % 97, 'v') + "\"/>";
        session += "  " + line + "\n";
        expected += line + "\r\n";
        if (i == 5000) {
            const std::string longLine = "<!--" + std::string((1u << 20) + 3, 'x') + "-->";
            session += longLine + "\n";
            expected += longLine + "\r\n";
        }
    }
    TempDir dir;
    const auto outcome = test::MergeOutcome(dir, session, "");
    ASSERT_TRUE(outcome.succeeded);
    const std::string written = ReadFile(outcome.outputPath);
    ASSERT_EQ(written.size(), expected.size() + 2);
    EXPECT_TRUE(written == expected + "\r\n")
        << "the first difference is at byte "
        << std::mismatch(written.begin(), written.end(), expected.begin()).first - written.begin();
}

TEST(Output, ReadOnlyTargetFileIsPermissionDeniedWithTheFileInUseText)
{
    TempDir dir;
    const auto existing = dir.Write("One + Two.sesx", "old content");
    std::filesystem::permissions(existing,
        std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
            std::filesystem::perms::others_write,
        std::filesystem::perm_options::remove);
    const auto outcome = test::MergeOutcome(dir, Session({ "<?xml?>", "<a/>" }), "");
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.errorNumber, platform::ErrorNumber::PermissionDenied);
    const auto message = OutcomeMessage(outcome);
    EXPECT_EQ(message.icon, platform::Message::Icon::Critical);
    EXPECT_EQ(message.title, "Error 70");
    EXPECT_EQ(message.text, "Error Writing to File '" + existing + "'.  \nPermission denied\n\nFile may be in use");
    EXPECT_EQ(dir.Read("One + Two.sesx"), "old content");
}

#ifdef _WIN32
// A combined file that another program holds open cannot be replaced: the
// user hears that it may be in use, and the old file stays.
TEST(Output, FileLockedByAnotherProgramIsReportedAsInUse)
{
    TempDir dir;
    const std::string existing = dir.Write("One + Two.sesx", "old content");
    HANDLE lock = CreateFileW(std::filesystem::u8path(existing).wstring().c_str(), GENERIC_READ, 0, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const auto outcome = test::MergeOutcome(dir, Session({ "<?xml?>", "<a/>" }), "");
    CloseHandle(lock);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.errorNumber, platform::ErrorNumber::PermissionDenied);
    EXPECT_EQ(OutcomeMessage(outcome).text,
        "Error Writing to File '" + existing + "'.  \nPermission denied\n\nFile may be in use");
    EXPECT_EQ(dir.Read("One + Two.sesx"), "old content");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{ "One + Two.sesx", "One.sesx", "Two.sesx" }));
}
#endif

} // namespace
} // namespace tandem::engine
