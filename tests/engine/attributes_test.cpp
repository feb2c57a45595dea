#include "attributes.h"
#include "merge_failure.h"

#include "errors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tandem::engine {
namespace {

struct ReadCase {
    const char* line;
    std::string_view marker;
    std::optional<std::int32_t> value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.line; }

class ReadAttributeNumberTest : public testing::TestWithParam<ReadCase> { };

TEST_P(ReadAttributeNumberTest, ReadsTheFirstOccurrence)
{
    EXPECT_EQ(ReadAttributeNumber(GetParam().line, GetParam().marker), GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Attributes, ReadAttributeNumberTest,
    testing::Values(ReadCase{ R"(<file id="12" x="3"/>)", Marker::Id, 12 },
        ReadCase{ R"(<file id="12" x="3"/>)", Marker::Index, std::nullopt },
        ReadCase{ R"(<trackOutput outputID="-1" type="hardwareOutput"/>)", Marker::OutputId, -1 },
        ReadCase{ R"(<a id="+7">)", Marker::Id, 7 },
        // Halves go to the even neighbour; anything above a half goes up.
        ReadCase{ R"(<a id="2.5">)", Marker::Id, 2 }, ReadCase{ R"(<a id="3.5">)", Marker::Id, 4 },
        ReadCase{ R"(<a id="2.51">)", Marker::Id, 3 }, ReadCase{ R"(<a id="-2.5">)", Marker::Id, -2 },
        ReadCase{ R"(<a id="3.2">)", Marker::Id, 3 }, ReadCase{ R"(<a id="3.49">)", Marker::Id, 3 },
        ReadCase{ R"(<a id="-3.5">)", Marker::Id, -4 }, ReadCase{ R"(<a id="7.49">)", Marker::Id, 7 },
        ReadCase{ R"(<a id=".5">)", Marker::Id, 0 }, ReadCase{ R"(<a id="12abc">)", Marker::Id, 12 },
        ReadCase{ R"(<a id="abc">)", Marker::Id, 0 }, ReadCase{ R"(<a id="">)", Marker::Id, 0 },
        ReadCase{ R"(<a id=)", Marker::Id, 0 },
        // Only the first occurrence counts.
        ReadCase{ R"(<a id="1" b id="2">)", Marker::Id, 1 },
        // Names differ by case and by the leading space.
        ReadCase{ R"(<item clipID="21" trackID="10003"/>)", Marker::Id, std::nullopt },
        ReadCase{ R"(<item clipID="21" trackID="10003"/>)", Marker::TrackId, 10003 },
        ReadCase{ R"(<a id="2147483647">)", Marker::Id, 2147483647 },
        ReadCase{ R"(<a id="-2147483648">)", Marker::Id, -2147483647 - 1 }));

TEST(ReadAttributeNumber, ValuesOutsideThirtyTwoBitsAreOverflow)
{
    for (const char* line : { R"(<a id="2147483648">)", R"(<a id="-2147483649">)", R"(<a id="2147483647.5">)",
             R"(<a id="99999999999999999999999999">)" }) {
        try {
            ReadAttributeNumber(line, Marker::Id);
            ADD_FAILURE() << "no overflow for " << line;
        } catch (const MergeFailure& failure) {
            EXPECT_EQ(failure.number, platform::ErrorNumber::Overflow) << line;
        }
    }
}

struct ReplaceCase {
    const char* line;
    std::string_view marker;
    std::int32_t value;
    std::optional<std::string> result;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.line; }

class ReplaceAttributeValueTest : public testing::TestWithParam<ReplaceCase> { };

TEST_P(ReplaceAttributeValueTest, ReplacesBetweenTheQuotes)
{
    const auto rewritten = ReplaceAttributeValue(GetParam().line, GetParam().marker, GetParam().value);
    EXPECT_EQ(rewritten ? std::optional<std::string>(rewritten->str()) : std::nullopt, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Attributes, ReplaceAttributeValueTest,
    testing::Values(ReplaceCase{ R"(<file id="0" x="1"/>)", Marker::Id, 5, R"(<file id="5" x="1"/>)" },
        ReplaceCase{ R"(<trackOutput outputID="10000" type="trackID"/>)", Marker::OutputId, -3,
            R"(<trackOutput outputID="-3" type="trackID"/>)" },
        // The value text is replaced whole, whatever it held.
        ReplaceCase{ R"(<a id="0012.5abc" b="2">)", Marker::Id, 7, R"(<a id="7" b="2">)" },
        ReplaceCase{ R"(<a id="1" b id="2">)", Marker::Id, 9, R"(<a id="9" b id="2">)" },
        ReplaceCase{ "<a id=\"1\">\r", Marker::Id, 2, "<a id=\"2\">\r" },
        ReplaceCase{ R"(<a id="1>)", Marker::Id, 2, std::nullopt },
        ReplaceCase{ R"(<a x="1">)", Marker::Id, 2, std::nullopt },
        ReplaceCase{ R"(<a id=)", Marker::Id, 2, std::nullopt }));

struct IdIndexCase {
    const char* line;
    std::string result;
};

void PrintTo(const IdIndexCase& c, std::ostream* os) { *os << c.line; }

class ReplaceIdAndIndexTest : public testing::TestWithParam<IdIndexCase> { };

TEST_P(ReplaceIdAndIndexTest, ReplacesBothValues)
{
    EXPECT_EQ(ReplaceIdAndIndex(GetParam().line, 10007, 9).str(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Attributes, ReplaceIdAndIndexTest,
    testing::Values(IdIndexCase{ R"(<audioTrack automationLaneOpenState="false" id="10001" index="1" select="false">)",
                        R"(<audioTrack automationLaneOpenState="false" id="10007" index="9" select="false">)" },
        IdIndexCase{ R"(<busTrack id="10001" a="x" index="12">)", R"(<busTrack id="10007" a="x" index="9">)" },
        // Index before id: each value is replaced where it stands.
        IdIndexCase{ R"(<audioTrack index="3" select="false" id="10001" visible="true">)",
            R"(<audioTrack index="9" select="false" id="10007" visible="true">)" },
        IdIndexCase{ R"(<audioTrack index="3" id="10001">)", R"(<audioTrack index="9" id="10007">)" },
        // An index without its closing quote keeps its old text after the new number.
        IdIndexCase{ R"(<a id="1" index="12)", R"(<a id="10007" index="912)" },
        IdIndexCase{ "<a id=\"1\" index=\"2\">\r", "<a id=\"10007\" index=\"9\">\r" }));

} // namespace
} // namespace tandem::engine
