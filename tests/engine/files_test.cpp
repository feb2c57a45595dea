#include "merge_test_support.h"

#include <gtest/gtest.h>

namespace tandem::engine {
namespace {

using test::MergeLines;
using test::Session;
using Lines = std::vector<std::string>;

// Session 1 with the given file list lines after a minimal track section.
std::string withFiles(std::initializer_list<std::string_view> files, std::string_view lineEnd = "\n")
{
    std::string text = "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n";
    for (const auto line : files) {
        text += line;
        text += lineEnd;
    }
    return text;
}

Lines afterMaster(const Lines& lines)
{
    Lines rest;
    bool seen = false;
    for (const auto& line : lines) {
        if (seen)
            rest.push_back(line);
        seen = seen || line == "</tracks>";
    }
    return rest;
}

TEST(Files, Session2FilesFollowSession1sWithNewIds)
{
    const auto one = withFiles({ "<files>", "  <file id=\"0\" relativePath=\"a.wav\"/>",
        "  <file id=\"1\" relativePath=\"b.wav\"/>", "  <file id=\"2\" relativePath=\"c.wav\"/>", "</files>" });
    const auto two = withFiles({ "<files>", "<file id=\"0\" relativePath=\"x.wav\"/>",
        "<file id=\"1\" relativePath=\"y.wav\"/>", "</files>" });
    EXPECT_EQ(afterMaster(MergeLines(one, two)),
        (Lines{ "<files>", "<file id=\"0\" relativePath=\"a.wav\"/>", "<file id=\"1\" relativePath=\"b.wav\"/>",
            "<file id=\"2\" relativePath=\"c.wav\"/>", "<file id=\"3\" relativePath=\"x.wav\"/>",
            "<file id=\"4\" relativePath=\"y.wav\"/>", "</files>", "" }));
}

TEST(Files, OnlySingleLineEntriesPassAndUnclosedSession2IdsAreLeftOut)
{
    const auto one = withFiles({ "<files>", "<file id=\"0\"/>", "<comment/>", "</files>" });
    const auto two = withFiles({ "<file id=\"7\"/>", "<files>", "<file id=\"0\"/>", "<file id=\"1/>", "<junk/>",
        "<file relativePath=\"z\"/>", "</files>", "<file id=\"9\"/>" });
    EXPECT_EQ(afterMaster(MergeLines(one, two)),
        (Lines{ "<files>", "<file id=\"0\"/>", "<file id=\"1\"/>", "</files>", "" }));
}

struct EmptyListCase {
    const char* name;
    std::string session1;
    std::string session2;
    Lines expected;
};

void PrintTo(const EmptyListCase& c, std::ostream* os) { *os << c.name; }

class EmptyFileListTest : public testing::TestWithParam<EmptyListCase> { };

TEST_P(EmptyFileListTest, TheListIsAlwaysClosed)
{
    EXPECT_EQ(afterMaster(MergeLines(GetParam().session1, GetParam().session2)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, EmptyFileListTest,
    testing::Values(EmptyListCase{ "BothEmpty", withFiles({ "<files/>" }), withFiles({ "<files/>" }),
                        { "<files>", "</files>", "" } },
        // A CR left on the line by CR LF input does not matter.
        EmptyListCase{ "BothEmptyCrLf", withFiles({ "<files/>" }, "\r\n"), withFiles({ "<files/>" }, "\r\n"),
            { "<files>", "</files>", "" } },
        EmptyListCase{ "Session2HasFiles", withFiles({ "<files/>" }),
            withFiles({ "<files>", "<file id=\"0\"/>", "</files>" }),
            { "<files>", "<file id=\"1\"/>", "</files>", "" } },
        EmptyListCase{
            "Session2HasNoFileList", withFiles({ "<files/>" }), Session({ "<?xml?>" }), { "<files>", "</files>", "" } },
        EmptyListCase{ "Session1ListSession2Empty", withFiles({ "<files>", "<file id=\"0\"/>", "</files>" }),
            withFiles({ "<files/>" }), { "<files>", "<file id=\"0\"/>", "</files>", "" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::engine
