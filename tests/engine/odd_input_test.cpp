// Inputs that the merge fuzzer turned up, each cut down to the lines that
// matter. They run under the sanitizer build too, where reading or writing
// outside a line, or undefined behaviour on the way, fails the test.

#include "merge_test_support.h"

#include <gtest/gtest.h>

namespace tandem::engine {
namespace {

using Lines = std::vector<std::string>;

struct OddCase {
    const char* name;
    std::string session1;
    std::string session2;
    Lines expected;
};

void PrintTo(const OddCase& c, std::ostream* os) { *os << c.name; }

class OddInputTest : public testing::TestWithParam<OddCase> { };

TEST_P(OddInputTest, MergesLikeAnyOtherLine)
{
    EXPECT_EQ(test::MergeLines(GetParam().session1, GetParam().session2), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Odd, OddInputTest,
    testing::Values(
        // The index marker ends the line: the new index is the line's end.
        OddCase{ "MasterLineEndsAtItsIndexMarker", "<?xml?>\n<tracks>\n<masterTrack id=\"1\" index=\n</tracks>\n", "",
            { "<?xml?>", "<tracks>", "<masterTrack id=\"1\" index=1", "</tracks>", "" } },
        // Session 2's files go in at the first file block; later ones are
        // session 1's own lines, so repeating blocks cannot make the output
        // grow with the product of the inputs.
        OddCase{ "RepeatedFileBlocksTakeSession2sFilesOnce",
            "<?xml?>\n<files>\n<file id=\"0\"/>\n</files>\n<files>\n<file id=\"1\"/>\n</files>\n<files/>\n",
            "<?xml?>\n<files>\n<file id=\"0\"/>\n</files>\n",
            { "<?xml?>", "<files>", "<file id=\"0\"/>", "<file id=\"1\"/>", "</files>", "<files>", "<file id=\"1\"/>",
                "</files>", "<files/>", "" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::engine
