#include "messages.h"
#include "sample_rate.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tandem::engine {
namespace {

struct RateCase {
    const char* text;
    const char* rate;
};

TEST(SampleRate, ReadFromTheSessionLine)
{
    const RateCase cases[] = {
        { "<?xml?>\n<sesx>\n  <session appBuild=\"1\" sampleRate=\"48000\">\n", "48000" },
        { "\t\t<session\tbitDepth=\"32\"\tsampleRate=\"44100\">\r\n", "44100" },
        { "<sesx>\r<session sampleRate=\"96000\">\r<tracks>\r", "96000" },
        // The first session line counts; sessionState and other elements do not.
        { "<sessionState sampleRate=\"1\"/>\n<session sampleRate=\"22050\">\n<session sampleRate=\"8000\">\n",
            "22050" },
        { "<session appVersion=\"1\">\n<x sampleRate=\"48000\"/>\n", "" },
        { "<session sampleRate=\"48000>\n", "" },
        { "<audioTrack sampleRate=\"48000\">\n", "" },
        { "", "" },
    };
    for (const RateCase& c : cases)
        EXPECT_EQ(SampleRateOfText(c.text), c.rate) << c.text;
}

TEST(SampleRate, DifferOnlyWhenBothAreKnown)
{
    EXPECT_TRUE(SampleRatesDiffer("48000", "44100"));
    EXPECT_FALSE(SampleRatesDiffer("48000", "48000"));
    EXPECT_FALSE(SampleRatesDiffer("096000", "96000"));
    EXPECT_FALSE(SampleRatesDiffer("", "44100"));
    EXPECT_FALSE(SampleRatesDiffer("48000", ""));
    EXPECT_TRUE(SampleRatesDiffer("48000", "48k"));
}

TEST(SampleRate, ReadFromFilesAndNothingFromAMissingOne)
{
    test::TempDir dir;
    const auto path = dir.path() / "Rate.sesx";
    std::ofstream(path, std::ios::binary)
        << "\xEF\xBB\xBF<?xml?>\n<sesx version=\"1.9\">\n\n  <session sampleRate=\"32000\">\n";
    EXPECT_EQ(SessionSampleRate(path.string()), "32000");
    // Far from the start, or cut by the first part of the file read, the
    // session line is still found.
    for (const std::size_t before : { std::size_t{ 200'000 }, std::size_t{ 65'520 } }) {
        std::ofstream(path, std::ios::binary)
            << "<?xml?>\n<!--" << std::string(before, 'x') << "-->\n<session a=\"1\" sampleRate=\"88200\">\n";
        EXPECT_EQ(SessionSampleRate(path.string()), "88200") << before;
    }
    std::ofstream(path, std::ios::binary) << std::string(100'000, ' ') << "\r<session sampleRate=\"11025\">\r";
    EXPECT_EQ(SessionSampleRate(path.string()), "11025");
    std::filesystem::remove(path);
    EXPECT_EQ(SessionSampleRate(path.string()), "");
}

TEST(SampleRate, TheQuestionAndTheRefusal)
{
    const platform::Message question = SampleRateQuestion("48000", "44100");
    EXPECT_EQ(question.title, "Sample rates differ");
    EXPECT_EQ(question.icon, platform::Message::Icon::Exclamation);
    EXPECT_EQ(question.buttons, platform::Message::Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, platform::Message::Answer::No);
    EXPECT_EQ(question.text,
        "File 1 runs at 48000 Hz and File 2 at 44100 Hz.\r\n\r\nThe clips of File 2 will be placed at the wrong times "
        "in the combined session.\r\n\r\nCombine anyway?");
    EXPECT_EQ(SampleRateRefusal("48000", "44100"),
        "File 1 runs at 48000 Hz and File 2 at 44100 Hz.\n\nThe clips of File 2 will be placed at the wrong times in "
        "the combined session.\nUse --force to combine them anyway.\n");
}

} // namespace
} // namespace tandem::engine
