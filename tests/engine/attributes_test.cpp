#include "attributes.h"

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
        ReadCase{ R"(<a id="-3.5">)", Marker::Id, -4 }, ReadCase{ R"(<a id="7.06">)", Marker::Id, 7 },
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

} // namespace
} // namespace tandem::engine
