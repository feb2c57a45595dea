#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include "target_choice.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <map>
#include <regex>

namespace tandem::test {
namespace {

using Answer = platform::Message::Answer;
using Icon = platform::Message::Icon;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A session at 48000 Hz with an audio track per name, each with a clip
// from 0 to `end` of `media`, a file beside the session.
std::string ClipSession(const std::vector<std::string>& names, int end, const std::string& media)
{
    std::string text = "<?xml version=\"1.0\"?>\n<sesx>\n<session sampleRate=\"48000\">\n<tracks>\n";
    int index = 0;
    for (const std::string& name : names) {
        const std::string id = std::to_string(10001 + index++);
        text += "<audioTrack id=\"" + id + "\" index=\"" + std::to_string(index) + "\">\n<trackParameters>\n<name>" +
            name + "</name>\n</trackParameters>\n<trackOutput outputID=\"10000\" type=\"trackID\"/>\n" +
            "<audioClip endPoint=\"" + std::to_string(end) + "\" fileID=\"0\" id=\"0\" name=\"" + name +
            "\" startPoint=\"0\"/>\n</audioTrack>\n";
    }
    return text + "<masterTrack id=\"10000\" index=\"" + std::to_string(index + 1) +
        "\">\n</masterTrack>\n</tracks>\n</session>\n<files>\n<file absolutePath=\"/nowhere/" + media +
        "\" id=\"0\" relativePath=\"" + media + "\"/>\n</files>\n</sesx>\n";
}

// The start of each clip of a session, by the clip's name.
std::map<std::string, long long> ClipStarts(const std::string& session)
{
    std::map<std::string, long long> starts;
    static const std::regex clip("<audioClip [^\n]*name=\"([^\"]*)\" startPoint=\"([0-9]+)\"");
    for (std::sregex_iterator it(session.begin(), session.end(), clip), end; it != end; ++it)
        starts[(*it)[1]] = std::stoll((*it)[2]);
    return starts;
}

class CombineTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Tick(1, "Sessions", "one.sesx");
        Tick(2, "Other", "four.sesx");
        ASSERT_TRUE(window_->ConvertButton->isEnabled());
    }
    std::string file(const std::string& relative) const { return NativePath(Root() + relative); }
    // File 1 holds "Host" from 0 to 48000, File 2 "Music" and "Voice" from 0
    // to 24000, each session with its media, found only through its
    // relative path.
    void WriteClipSessions()
    {
        std::ofstream(base_ / "s" / "Sessions" / "one.sesx") << ClipSession({ "Host" }, 48000, "host.wav");
        std::ofstream(base_ / "s" / "Other" / "four.sesx") << ClipSession({ "Music", "Voice" }, 24000, "music.wav");
        std::ofstream(base_ / "s" / "Sessions" / "host.wav") << "RIFF";
        std::ofstream(base_ / "s" / "Other" / "music.wav") << "RIFF";
    }
    std::string confirmationText(const std::string& target) const
    {
        return file("Sessions/one.sesx") + "\r\n and \r\n" + file("Other/four.sesx") +
            "\r\n\r\nwill be combined to \r\n\r\n" + target + "\r\n\r\n\r\n\r\nAre you sure you wish to proceed?";
    }
};

TEST_F(CombineTest, IntoFile1sFolder)
{
    ScriptedPrompt prompt;
    prompt.Answer(Answer::Yes);
    // Windows and macOS show the file in their own file manager, which a test
    // must not start; elsewhere the folder is opened as a link.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const bool opensFolderAsLink = false;
#else
    const bool opensFolderAsLink = true;
#endif
    prompt.Answer(opensFolderAsLink ? Answer::Extra : Answer::Ok);
    UrlRecorder fileManager(QStringLiteral("file"));
    QTest::mouseClick(window_->ConvertButton, Qt::LeftButton);
    ASSERT_EQ(prompt.Shown().size(), 2u);
    const platform::Message& confirmation = prompt.Shown()[0];
    EXPECT_EQ(confirmation.title, "Combine");
    EXPECT_EQ(confirmation.icon, Icon::Information);
    EXPECT_EQ(confirmation.buttons, platform::Message::Buttons::YesNo);
    EXPECT_EQ(confirmation.defaultAnswer, Answer::No);
    EXPECT_EQ(confirmation.text, confirmationText(file("Sessions/")));
    const std::string output = file("Sessions/one + four.sesx");
    EXPECT_EQ(prompt.Shown()[1].title, "Process completed...");
    EXPECT_EQ(prompt.Shown()[1].icon, Icon::Information);
    // The new session checks clean, so nothing is added to the message.
    EXPECT_EQ(prompt.Shown()[1].text,
        file("Other/four.sesx") + "\r\n appended to \r\n" + file("Sessions/one.sesx") +
            "\r\n\r\nThe new file is called \r\n\r\n" + output);
    EXPECT_TRUE(fs::exists(output));
    // "Open Folder" shows the new file's folder.
    EXPECT_EQ(prompt.Shown()[1].extraButton, "Open Folder");
    if (opensFolderAsLink) {
        EXPECT_EQ(fileManager.opened, QList<QUrl>{ QUrl::fromLocalFile(QString::fromStdString(file("Sessions"))) });
    }
    // Nothing is read again afterwards: the new file is not in the list yet.
    EXPECT_EQ(FileNames(1), (std::vector<std::string>{ "one.sesx", "two.sesx" }));
}

// Every question on the way, answered or left at its default: nothing is
// written, or replaced, unless each is answered Yes; the combined session
// goes to the chosen folder.
TEST_F(CombineTest, TheAnswersDecideWhatIsWrittenWhere)
{
    fs::create_directory(base_ / "s" / "Mixes");
    window_->TargetTextBox->setText(Key("Mixes"));
    std::string at44100 = SessionText;
    at44100.replace(at44100.find("48000"), 5, "44100");
    const fs::path inFile1s = base_ / "s" / "Sessions" / "one + four.sesx";
    enum Existing { None, Edited, ReadOnly };
    struct Case {
        int target;
        bool ratesDiffer;
        Existing existing;
        std::vector<Answer> answers; // then the default answers
        std::vector<std::string> titles;
        const char* written; // the folder of the new combined session, if any
    };
    const std::string done = "Process completed...";
    const Case cases[] = {
        { 1, false, None, { Answer::Yes }, { "Combine", done }, "Other" },
        { 2, false, None, { Answer::Yes }, { "Combine", done }, "Mixes" },
        { 0, false, None, {}, { "Combine" }, nullptr },
        { 0, true, None, {}, { "Sample rates differ" }, nullptr },
        { 0, true, None, { Answer::Yes, Answer::Yes }, { "Sample rates differ", "Combine", done }, "Sessions" },
        { 0, false, Edited, { Answer::Yes }, { "Combine", "Combine" }, nullptr },
        { 0, false, Edited, { Answer::Yes, Answer::Yes }, { "Combine", "Combine", done }, "Sessions" },
        { 0, false, ReadOnly, { Answer::Yes, Answer::Yes }, { "Combine", "Combine", "Error 70" }, nullptr },
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &each - cases);
        window_->TargetOption[static_cast<std::size_t>(each.target)]->setChecked(true);
        std::ofstream(base_ / "s" / "Other" / "four.sesx") << (each.ratesDiffer ? at44100 : SessionText);
        if (each.existing != None)
            std::ofstream(inFile1s) << "edited";
        if (each.existing == ReadOnly)
            fs::permissions(inFile1s, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        ScriptedPrompt prompt;
        for (const Answer answer : each.answers)
            prompt.Answer(answer);
        window_->ConvertButtonClick();
        std::vector<std::string> titles;
        for (const platform::Message& message : prompt.Shown())
            titles.push_back(message.title);
        EXPECT_EQ(titles, each.titles);
        if (each.existing == Edited) {
            const std::string saved = QFileInfo(QString::fromStdString(inFile1s.string()))
                                          .lastModified()
                                          .toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                                          .toStdString();
            EXPECT_EQ(prompt.Shown()[1].text, inFile1s.string() + " already exists (saved " + saved + "). Replace it?");
        }
        for (const char* folder : { "Sessions", "Other", "Mixes" }) {
            const fs::path output = base_ / "s" / folder / "one + four.sesx";
            const bool written = each.written && each.written == std::string(folder);
            EXPECT_EQ(fs::exists(output) && ReadText(output) != "edited", written) << folder;
            std::error_code ignored;
            fs::permissions(output, fs::perms::owner_all, ignored);
            fs::remove(output, ignored);
        }
    }
}

TEST_F(CombineTest, ProblemsOfTheNewSessionFollowTheCompletionMessage)
{
    std::string lost = SessionText;
    lost.replace(lost.find("</audioTrack>"), 0, "<audioClip fileID=\"2\" id=\"0\" name=\"Lost\"/>\n");
    std::ofstream(base_ / "s" / "Other" / "four.sesx") << lost;
    ScriptedPrompt prompt;
    prompt.Answer(Answer::Yes);
    window_->ConvertButtonClick();
    ASSERT_EQ(prompt.Shown().size(), 2u);
    const platform::Message& completion = prompt.Shown()[1];
    EXPECT_EQ(completion.title, "Process completed...");
    EXPECT_EQ(completion.icon, Icon::Exclamation);
    const std::string output = file("Sessions/one + four.sesx");
    const std::string warning = output + "\r\n\r\nWarning: the check of the new session found problems:\r\nLine ";
    const std::size_t at = completion.text.find(warning);
    ASSERT_NE(at, std::string::npos) << completion.text;
    EXPECT_NE(completion.text.find(": Clip \"Lost\" uses media file ", at), std::string::npos) << completion.text;
    EXPECT_TRUE(fs::exists(output));
}

// One file reached through a link is one file; two files whose names differ
// only in case are two where the file system tells them apart.
TEST_F(CombineTest, TheSameFileTwiceIsRefusedHoweverItIsReached)
{
    std::ofstream(base_ / "s" / "Sessions" / "Mix.sesx") << SessionText;
#ifndef _WIN32
    fs::create_symlink(base_ / "s" / "Sessions" / "Mix.sesx", base_ / "s" / "Other" / "Link.sesx");
#endif
    Tick(1, "Sessions", "Mix.sesx");
#ifdef _WIN32
    // No link can be made under Wine: the one file is ticked in both panes.
    Tick(2, "Sessions", "Mix.sesx");
#else
    Tick(2, "Other", "Link.sesx");
#endif
    ScriptedPrompt prompt;
    window_->ConvertButtonClick();
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].title, "File error");
    EXPECT_EQ(prompt.Shown()[0].icon, Icon::Critical);
    EXPECT_EQ(prompt.Shown()[0].text, "You cannot select the same file for both File 1 and File 2.");

    std::ofstream(base_ / "s" / "Sessions" / "mix.sesx") << SessionText;
    if (fs::equivalent(base_ / "s" / "Sessions" / "Mix.sesx", base_ / "s" / "Sessions" / "mix.sesx"))
        GTEST_SKIP() << "this file system does not tell names apart by case";
    Tick(2, "Sessions", "mix.sesx");
    ScriptedPrompt two;
    window_->ConvertButtonClick();
    EXPECT_EQ(two.Shown()[0].title, "Combine");
}

TEST_F(CombineTest, ThePlacementReachesTheMergeAndABoxThatHoldsNoTimeIsRefused)
{
    WriteClipSessions();
    struct Case {
        int option; // 0 As recorded, 1 After File 1, 2 At
        const char* gap;
        const char* at;
        long long musicStart; // -1: refused
    };
    // Only the chosen placement's box counts.
    for (const Case& each : { Case{ 0, "x", "x", 0 }, Case{ 1, "", "x", 48000 }, Case{ 1, " 2.5 ", "", 168000 },
             Case{ 2, "x", "0:00:01.5", 72000 }, Case{ 2, "", "480", 480 }, Case{ 1, "-1", "", -1 },
             Case{ 2, "0", "", -1 }, Case{ 2, "0", "1:75", -1 } }) {
        SCOPED_TRACE(std::string(each.gap) + " " + each.at);
        const fs::path output = base_ / "s" / "Sessions" / "one + four.sesx";
        fs::remove(output);
        window_->PlacementOption[static_cast<std::size_t>(each.option)]->setChecked(true);
        window_->GapTextBox->setText(QString::fromUtf8(each.gap));
        window_->AtTextBox->setText(QString::fromUtf8(each.at));
        ScriptedPrompt prompt;
        prompt.Answer(Answer::Yes);
        window_->ConvertButtonClick();
        if (each.musicStart < 0) {
            ASSERT_EQ(prompt.Shown().size(), 1u);
            EXPECT_EQ(prompt.Shown()[0].title, "Place File 2");
            EXPECT_EQ(prompt.Shown()[0].icon, Icon::Critical);
            const std::string box = each.option == 1 ? "gap box" : "time box";
            EXPECT_NE(prompt.Shown()[0].text.find(box), std::string::npos) << prompt.Shown()[0].text;
            EXPECT_FALSE(fs::exists(output));
            continue;
        }
        EXPECT_EQ(prompt.Shown().back().title, "Process completed...");
        const auto starts = ClipStarts(ReadText(output));
        EXPECT_EQ(starts,
            (std::map<std::string, long long>{
                { "Host", 0 }, { "Music", each.musicStart }, { "Voice", each.musicStart } }));
    }
}

// After the confirmation the user picks File 2's tracks: what is left out
// is not written, and the check does not miss it (nor File 2's media, read
// from File 1's folder now); Cancel writes nothing.
TEST_F(CombineTest, TheTracksChosenReachTheMerge)
{
    WriteClipSessions();
    window_->ChooseTracksCheck->setChecked(true);
    const fs::path output = base_ / "s" / "Sessions" / "one + four.sesx";
    enum Run { Cancel, All, WithoutVoice };
    for (const Run run : { Cancel, All, WithoutVoice }) {
        fs::remove(output);
        std::vector<std::string> listed;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto* list = dialog->findChild<QListWidget*>();
            for (int row = 0; row < list->count(); ++row)
                listed.push_back(list->item(row)->text().toStdString() +
                    (list->item(row)->checkState() == Qt::Checked ? " ticked" : ""));
            if (run == WithoutVoice)
                list->item(1)->setCheckState(Qt::Unchecked);
            dialog->findChild<QDialogButtonBox*>()
                ->button(run == Cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)
                ->click();
        });
        ScriptedPrompt prompt;
        prompt.Answer(Answer::Yes);
        window_->ConvertButtonClick();
        EXPECT_EQ(listed, (std::vector<std::string>{ "Music ticked", "Voice ticked" }));
        if (run == Cancel) {
            EXPECT_EQ(prompt.Shown().size(), 1u);
            EXPECT_FALSE(fs::exists(output));
            continue;
        }
        ASSERT_EQ(prompt.Shown().size(), 2u);
        EXPECT_EQ(prompt.Shown()[1].icon, Icon::Information) << prompt.Shown()[1].text;
        EXPECT_EQ(prompt.Shown()[1].text.find("not in the combined session"), std::string::npos);
        std::map<std::string, long long> starts{ { "Host", 0 }, { "Music", 0 } };
        if (run == All)
            starts["Voice"] = 0;
        EXPECT_EQ(ClipStarts(ReadText(output)), starts);
    }
}

// Qt's own folder dialog, answered as a user would: Qt names the folder with
// "/" even on Windows.
TEST_F(CombineTest, TheFolderBrowserGivesThePathAsTheSystemWritesIt)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTimer::singleShot(0, window_.get(), [this] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(Key("Other"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    window_->TargetChoice().FileButtonClick();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Other"));
}

} // namespace
} // namespace tandem::test
