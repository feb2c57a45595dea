#include "session_check.h"

#include "append_session.h"
#include "errors.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tandem::verify {

void PrintTo(const Finding& finding, std::ostream* out) { *out << finding.line << ": " << finding.text; }

namespace {

namespace fs = std::filesystem;

// A small session, one element a line: the tracks start on line 6. With
// audioTrack and masterTrack below, the clip groups are on line 14, the media
// files on line 17 and the session ends on line 19.
std::string session(const std::string& tracks, const std::string& clipGroups = "<clipGroups/>",
    const std::string& files = "<file id=\"0\" relativePath=\"a.wav\"/>")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n" // 1
           "<!DOCTYPE sesx>\n" // 2
           "<sesx version=\"1.9\">\n" // 3
           "<session sampleRate=\"48000\">\n<tracks>\n" + // 4, 5
        tracks +
        "</tracks>\n" + clipGroups + "\n</session>\n<files>\n" + files + "\n</files>\n</sesx>\n";
}

const std::string audioTrack = "<audioTrack id=\"10001\" index=\"1\">\n" // 6
                               "<trackOutput outputID=\"10000\" type=\"trackID\"/>\n" // 7
                               "<audioClip fileID=\"0\" id=\"0\" name=\"Take\"/>\n" // 8
                               "</audioTrack>\n"; // 9
const std::string masterTrack = "<masterTrack id=\"10000\" index=\"2\">\n" // 10
                                "<trackOutput outputID=\"1\" type=\"hardwareOutput\"/>\n" // 11
                                "</masterTrack>\n"; // 12

struct FindingCase {
    const char* name;
    std::string text;
    Findings expected;
};

std::string PrintCaseName(const testing::TestParamInfo<FindingCase>& info) { return info.param.name; }

class CheckFindings : public testing::TestWithParam<FindingCase> { };

// Each text is also handed over in pieces as small as a byte, as a file
// is read: the findings must not depend on where the pieces end.
TEST_P(CheckFindings, ReportsEachFaultOnItsLine)
{
    for (const std::size_t piece : { std::size_t{ 1 << 20 }, std::size_t{ 7 }, std::size_t{ 1 } })
        EXPECT_EQ(CheckSessionText(GetParam().text, piece).findings, GetParam().expected) << piece;
}

const std::string bus = "<busTrack id=\"10002\" index=\"3\">\n<trackOutput outputID=\"10000\" type=\"trackID\"/>\n"
                        "</busTrack>\n";

INSTANTIATE_TEST_SUITE_P(Sessions, CheckFindings,
    testing::Values(FindingCase{ "Clean", session(audioTrack + masterTrack), {} },
        FindingCase{ "CleanWithBusSendsAndGroups",
            session("<audioTrack id=\"10001\" index=\"1\">\n<trackOutput outputID=\"10002\" type=\"trackID\"/>\n"
                    "<sendSlot preFader=\"false\" sendOutputID=\"10002\" slotIndex=\"0\">\n</sendSlot>\n"
                    "<sendSlot preFader=\"false\" sendOutputID=\"0\" slotIndex=\"1\">\n</sendSlot>\n"
                    "<audioClip fileID=\"0\" id=\"0\" name=\"Take\"/>\n</audioTrack>\n" +
                    bus + masterTrack,
                "<clipGroups>\n<clipGroup hue=\"1\" id=\"0\">\n<item clipID=\"0\" trackID=\"10001\"/>\n</clipGroup>\n"
                "</clipGroups>"),
            {} },
        FindingCase{ "NotWellFormed", session("<audioTrack id=\"10001\">\n</busTrack>\n" + masterTrack),
            { { 7, "The file is not well-formed XML: the element <audioTrack> is closed by </busTrack>." } } },
        FindingCase{ "TruncatedIsReportedOnTheLastLine", "<sesx>\n<session>\n<tracks>\n",
            { { 3, "The file is not well-formed XML: the file ends before <tracks> is closed." } } },
        FindingCase{ "AttributeTwice",
            session("<audioTrack id=\"10001\" index=\"1\" id=\"10003\">\n</audioTrack>\n" + masterTrack),
            { { 6, "The file is not well-formed XML: attribute \"id\" appears twice on <audioTrack>." } } },
        // Not adjacent and not in order: found by sorting.
        FindingCase{ "AttributeTwiceApart",
            session("<audioTrack xz=\"1\" yz=\"2\" xz=\"3\">\n</audioTrack>\n" + masterTrack),
            { { 6, "The file is not well-formed XML: attribute \"xz\" appears twice on <audioTrack>." } } },
        // "za" > "b": a pair told apart by first letters alone looks rising.
        FindingCase{ "AttributeTwiceOutOfOrder",
            session("<audioTrack za=\"1\" b=\"2\" za=\"3\">\n</audioTrack>\n" + masterTrack),
            { { 6, "The file is not well-formed XML: attribute \"za\" appears twice on <audioTrack>." } } },
        FindingCase{ "LessThanInAValue", session("<audioTrack id=\"1<2\">\n</audioTrack>\n" + masterTrack),
            { { 6, "The file is not well-formed XML: the value of the attribute \"id\" holds a \"<\"." } } },
        FindingCase{ "BadReferences",
            session("<audioTrack id=\"&#x41;&amp;&#65;\">\n<name>R &amp; B &nbsp;</name>\n</audioTrack>\n"),
            { { 7,
                "The file is not well-formed XML: an \"&\" starts no valid reference (write a lone \"&\" as "
                "\"&amp;\")." } } },
        FindingCase{ "DoubleHyphenInAComment", session(audioTrack + masterTrack) + "<!-- a -- b -->\n",
            { { 20, "The file is not well-formed XML: a comment holds \"--\", which XML does not allow." } } },
        FindingCase{ "DeclarationNotFirst", "\n<?xml version=\"1.0\"?>\n<sesx/>\n",
            { { 2,
                "The file is not well-formed XML: the XML declaration may stand only at the very start of the "
                "file." } } },
        FindingCase{ "CDataOutsideTheRoot", "<sesx/>\n<![CDATA[x]]>\n",
            { { 2, "The file is not well-formed XML: a CDATA section stands outside the root element." } } },
        FindingCase{ "UnclosedCData", "<sesx>\n<![CDATA[x]\n",
            { { 2, "The file is not well-formed XML: the file ends inside a CDATA section." } } },
        FindingCase{ "TextAfterTheRoot", session(audioTrack + masterTrack) + "junk\n",
            { { 20, "The file is not well-formed XML: there is more after the end of the root element <sesx>." } } },
        FindingCase{ "SecondRoot", session(audioTrack + masterTrack) + "<div>\n</div>\n",
            { { 20, "The file is not well-formed XML: there is more after the end of the root element <sesx>." } } },
        FindingCase{ "EndTagAfterTheRoot", session(audioTrack + masterTrack) + "</div>\n",
            { { 20, "The file is not well-formed XML: there is more after the end of the root element <sesx>." } } },
        FindingCase{ "Empty", "", { { 1, "The file is not well-formed XML: there is no root element." } } },
        FindingCase{ "TrackIdTwice", session(audioTrack + "<busTrack id=\"10001\" index=\"2\">\n</busTrack>\n"),
            { { 10, "Track id 10001 is used a second time (first on line 6)." } } },
        FindingCase{ "MediaFileIdTwice",
            session(audioTrack + masterTrack, "<clipGroups/>",
                "<file id=\"0\" relativePath=\"a.wav\"/>\n<file id=\"0\" relativePath=\"b.wav\"/>"),
            { { 18, "Media file id 0 is used a second time (first on line 17)." } } },
        FindingCase{ "ClipWithoutItsMediaFile",
            session("<audioTrack id=\"10001\" index=\"1\">\n<audioClip fileID=\"7\" id=\"0\" name=\"Greg\"/>\n"
                    "</audioTrack>\n" +
                masterTrack),
            { { 7, "Clip \"Greg\" uses media file 7, which is not in the file list." } } },
        FindingCase{ "VideoClipWithoutItsMediaFile",
            session("<videoTrack id=\"0\">\n<videoClip fileID=\"1\" id=\"0\" name=\"Film\"/>\n</videoTrack>\n" +
                audioTrack + masterTrack),
            { { 7, "Clip \"Film\" uses media file 1, which is not in the file list." } } },
        FindingCase{ "OutputToAMissingTrack",
            session("<audioTrack id=\"10001\" index=\"1\">\n<trackOutput outputID=\"10005\" type=\"trackID\"/>\n"
                    "</audioTrack>\n" +
                masterTrack),
            { { 7, "Track 10001 sends its output to track 10005, which does not exist." } } },
        FindingCase{ "SendToAMissingTrack",
            session("<audioTrack id=\"10001\" index=\"1\">\n"
                    "<sendSlot preFader=\"false\" sendOutputID=\"10009\" slotIndex=\"0\">\n</sendSlot>\n"
                    "</audioTrack>\n" +
                masterTrack),
            { { 7, "A send of track 10001 goes to track 10009, which does not exist." } } },
        FindingCase{ "SendBeyondAnyNumber",
            session("<audioTrack id=\"10001\" index=\"1\">\n"
                    "<sendSlot sendOutputID=\"99999999999999999999\" slotIndex=\"0\">\n</sendSlot>\n"
                    "<sendSlot sendOutputID=\"-99999999999999999999\" slotIndex=\"1\">\n</sendSlot>\n"
                    "</audioTrack>\n" +
                masterTrack),
            { { 7, "A send of track 10001 goes to track 99999999999999999999, which does not exist." } } },
        // Hardware ports, the master's own id and unused send slots are not
        // track references to check.
        FindingCase{ "LowAndHardwareOutputsAreNotChecked",
            session("<audioTrack id=\"10001\" index=\"1\">\n<trackOutput outputID=\"10000\" type=\"trackID\"/>\n"
                    "<sendSlot sendOutputID=\"0\" slotIndex=\"0\">\n</sendSlot>\n</audioTrack>\n"
                    "<busTrack id=\"10002\" index=\"2\">\n<trackOutput outputID=\"10040\" type=\"hardwareOutput\"/>\n"
                    "</busTrack>\n"),
            {} },
        FindingCase{ "GroupMemberOnAMissingTrack",
            session(audioTrack + masterTrack,
                "<clipGroups>\n<clipGroup hue=\"1\" id=\"4\">\n<item clipID=\"0\" trackID=\"10001\"/>\n"
                "<item clipID=\"2\" trackID=\"10020\"/>\n</clipGroup>\n</clipGroups>"),
            { { 17, "Clip group 4 has a clip on track 10020, which does not exist." } } },
        FindingCase{ "ClipGroupIdTwice",
            session(audioTrack + masterTrack,
                "<clipGroups>\n<clipGroup hue=\"1\" id=\"0\">\n</clipGroup>\n<clipGroup hue=\"2\" id=\"0\">\n"
                "</clipGroup>\n</clipGroups>"),
            { { 17, "Clip group id 0 is used a second time (first on line 15)." } } },
        FindingCase{ "TwoMasterTracks",
            session(audioTrack + masterTrack + "<masterTrack id=\"20000\" index=\"3\">\n</masterTrack>\n"),
            { { 13, "There is more than one master track (the first is on line 10)." } } },
        // Findings come in the order of their lines, whatever found them.
        FindingCase{ "SeveralInLineOrder",
            session("<audioTrack id=\"10001\" index=\"1\">\n<trackOutput outputID=\"10005\" type=\"trackID\"/>\n"
                    "<audioClip fileID=\"3\" id=\"0\" name=\"A\"/>\n</audioTrack>\n"
                    "<audioTrack id=\"10001\" index=\"2\">\n</audioTrack>\n" +
                masterTrack),
            { { 7, "Track 10001 sends its output to track 10005, which does not exist." },
                { 8, "Clip \"A\" uses media file 3, which is not in the file list." },
                { 10, "Track id 10001 is used a second time (first on line 6)." } } }),
    PrintCaseName);

// Line numbers follow the file's own line ends.
TEST(CheckLines, CountsCrLfAndCrOnlyFilesLikeAnEditor)
{
    const std::string lf = session("<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n<audioTrack id=\"10001\" "
                                   "index=\"2\">\n</audioTrack>\n");
    for (const char* lineEnd : { "\r\n", "\r" }) {
        std::string text;
        for (char c : lf)
            text += c == '\n' ? std::string(lineEnd) : std::string(1, c);
        const Findings findings = CheckSessionText(text).findings;
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].line, 8u);
        EXPECT_EQ(findings[0].text, "Track id 10001 is used a second time (first on line 6).");
    }
}

// A byte order mark and multi-line start tags do not shift the lines.
TEST(CheckLines, StartTagsSpanningLinesAreReportedWhereTheyOpen)
{
    const std::string text = "\xEF\xBB\xBF<sesx>\n<tracks>\n<audioTrack\n id=\"10001\"/>\n<busTrack\n"
                             "  id=\"10001\"\n  index=\"2\"/>\n</tracks>\n</sesx>\n";
    const Findings findings = CheckSessionText(text).findings;
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line, 5u);
}

class CheckFileTest : public testing::Test {
protected:
    test::TempDir dir_;
};

// Read from a file, the end arrives in a read of its own: a file cut short
// still fails on its last line, not on the empty one after its line end.
TEST_F(CheckFileTest, AFileCutShortFailsOnItsLastLine)
{
    for (const char* text :
        { "<sesx>\n<?pi\n", "<sesx>\n<!-- x\n", "<sesx>\n<a>\n", "<sesx>\r\n<a>\r\n", "<sesx>\r<a>\r" }) {
        const Findings findings = CheckSessionFile(dir_.Write("Cut.sesx", text)).findings;
        ASSERT_EQ(findings.size(), 1u) << text;
        EXPECT_EQ(findings[0].line, 2u) << text;
    }
}

// A file is read where it lies, a step at a time: a tag three steps long,
// and a fault many lines after it, come out as from the text in pieces.
TEST_F(CheckFileTest, ALargeFileChecksAsItsText)
{
    std::string tracks = "<audioTrack id=\"10001\" index=\"1\" note=\"" + std::string(3u << 20, 'a') + "\">\n";
    for (int line = 0; line < 100'000; ++line)
        tracks += "<name>x</name>\n";
    const std::string text = session(tracks + "</audioTrack>\n<busTrack id=\"10001\" index=\"2\">\n</busTrack>\n");
    const Findings expected{ { 100'008, "Track id 10001 is used a second time (first on line 6)." } };
    ASSERT_EQ(CheckSessionText(text, 1 << 16).findings, expected);
    EXPECT_EQ(CheckSessionFile(dir_.Write("Large.sesx", text)).findings, expected);
}

TEST_F(CheckFileTest, UnreadableFilesGiveTheErrorNotFindings)
{
    const CheckResult missing = CheckSessionFile(dir_.Path("missing.sesx"));
    EXPECT_EQ(missing.errorNumber, platform::ErrorNumber::FileNotFound);
    EXPECT_EQ(missing.description, platform::ErrorDescription(platform::ErrorNumber::FileNotFound));
    EXPECT_TRUE(missing.findings.empty());
    const CheckResult folder = CheckSessionFile(dir_.Path());
    EXPECT_NE(folder.errorNumber, 0);
}

// What the merge writes from sessions whose references all hold must check
// clean: the golden pairs, and each pair combined the other way round.
TEST_F(CheckFileTest, CombinedGoldenPairsAreClean)
{
    for (const char* pair : { "podcast", "video-crlf-tabs" }) {
        const fs::path folder = fs::path(TANDEM_GOLDEN_DIR) / pair;
        for (const auto& [first, second] : { std::pair{ "One.sesx", "Two.sesx" }, { "Two.sesx", "One.sesx" } }) {
            EXPECT_TRUE(CheckSessionFile((folder / first).string()).findings.empty()) << pair << "/" << first;
            const engine::AppendOutcome outcome =
                engine::AppendSession((folder / first).string(), (folder / second).string(), dir_.Path() + "/");
            ASSERT_TRUE(outcome.succeeded) << outcome.description;
            const CheckResult check = CheckSessionFile(outcome.outputPath);
            EXPECT_EQ(check.errorNumber, 0);
            EXPECT_EQ(check.findings, Findings{}) << pair << ": " << first << " + " << second;
        }
    }
}

} // namespace
} // namespace tandem::verify
