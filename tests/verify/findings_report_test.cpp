#include "findings_report.h"
#include "media_check.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tandem::verify {
namespace {

const platform::Message completion{ platform::Message::Icon::Information, "Process completed...",
    "b.sesx\r\n appended to \r\na.sesx\r\n\r\nThe new file is called \r\n\r\nout.sesx" };
const std::string warning = "\r\n\r\nWarning: the check of the new session found problems:";

CombinedCheck withFindings(std::size_t count)
{
    CombinedCheck check;
    check.files.push_back({ "The combined session", "out.sesx", {} });
    for (std::size_t i = 1; i <= count; ++i)
        check.files[0].findings.push_back({ i * 10, "Problem " + std::to_string(i) + "." });
    return check;
}

TEST(CompletionWithCheck, CleanSessionLeavesTheMessageAsItWas)
{
    const platform::Message shown = WithCheckResult(completion, CombinedCheck{});
    EXPECT_EQ(shown.text, completion.text);
    EXPECT_EQ(shown.icon, platform::Message::Icon::Information);
}

TEST(CompletionWithCheck, ProblemsFollowOneALineMostImportantFirst)
{
    CombinedCheck check = withFindings(1);
    check.sentences = { "File 2's 1 audio track is not in the combined session." };
    check.files.push_back({ "File 1", "a.sesx", { { 7, "Problem of File 1." } } });
    check.unchecked.push_back({ "File 2", "b.sesx", 7, "Out of memory" });
    const platform::Message shown = WithCheckResult(completion, check);
    EXPECT_EQ(shown.icon, platform::Message::Icon::Exclamation);
    EXPECT_EQ(shown.text,
        completion.text + warning +
            "\r\nFile 2 could not be checked: Out of memory (b.sesx)"
            "\r\nFile 2's 1 audio track is not in the combined session."
            "\r\nLine 10: Problem 1.\r\nFile 1, line 7: Problem of File 1.");

    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += "\r\nLine " + std::to_string(i * 10) + ": Problem " + std::to_string(i) + ".";
    EXPECT_EQ(WithCheckResult(completion, withFindings(10)).text, completion.text + warning + ten);
    EXPECT_EQ(
        WithCheckResult(completion, withFindings(13)).text, completion.text + warning + ten + "\r\n... and 3 more");
}

// Media are found by their absolute path or by their relative path read
// from the combined session's folder; a warning names the others.
TEST(MissingMedia, NamesWhatNeitherPathFinds)
{
    test::TempDir dir;
    const auto folder = dir.path();
    std::filesystem::create_directories(folder / "out");
    dir.Write("near.wav", "x");
    std::ofstream(folder / std::filesystem::u8path("far & wide \xE4\xB8\xAD\xF0\x9F\x8E\xB5.wav")) << "x";
    const std::string combined = (folder / "out" / "Mix.sesx").string();
    const std::vector<MediaPaths> media{ { "", "../near.wav" },
        { (folder / "far &amp; wide &#x4E2D;&#127925;.wav").string(), "gone.wav" }, { "", "..\\lost.wav" },
        { "/nowhere/x.wav", "" } };
    EXPECT_EQ(MissingMedia(combined, media, 1),
        std::vector<std::string>{ "2 media files of File 2 cannot be found: lost.wav, x.wav." });
}

} // namespace
} // namespace tandem::verify
