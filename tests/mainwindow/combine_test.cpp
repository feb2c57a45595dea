#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include "browse_folder.h"
#include "target_choice.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace tandem::test {
namespace {

using Answer = platform::Message::Answer;
using Icon = platform::Message::Icon;

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
    // Nothing is read again afterwards: the new file is not in the list yet.
    EXPECT_EQ(FileNames(1), (std::vector<std::string>{ "one.sesx", "two.sesx" }));
}

TEST_F(CombineTest, IntoFile2sFolder)
{
    ScriptedPrompt prompt;
    prompt.Answer(Answer::Yes);
    window_->TargetOption[1]->setChecked(true);
    window_->ConvertButtonClick();
    EXPECT_EQ(prompt.Shown()[0].text, confirmationText(file("Other/")));
    EXPECT_TRUE(fs::exists(file("Other/one + four.sesx")));
}

TEST_F(CombineTest, IntoATypedFolder)
{
    ScriptedPrompt prompt;
    prompt.Answer(Answer::Yes);
    fs::create_directory(base_ / "s" / "Mixes");
    window_->TargetOption[2]->setChecked(true);
    window_->TargetTextBox->setText(Key("Mixes"));
    window_->ConvertButtonClick();
    EXPECT_EQ(prompt.Shown()[0].text, confirmationText(file("Mixes/")));
    EXPECT_TRUE(fs::exists(file("Mixes/one + four.sesx")));
}

TEST_F(CombineTest, NoDoesNothing)
{
    ScriptedPrompt prompt;
    prompt.Answer(Answer::No);
    window_->ConvertButtonClick();
    EXPECT_EQ(prompt.Shown().size(), 1u);
    EXPECT_FALSE(fs::exists(file("Sessions/one + four.sesx")));
}

TEST_F(CombineTest, DifferentSampleRatesAreAskedAboutFirst)
{
    std::string at44100 = SessionText;
    at44100.replace(at44100.find("48000"), 5, "44100");
    std::ofstream(base_ / "s" / "Other" / "four.sesx") << at44100;
    const std::string output = file("Sessions/one + four.sesx");

    ScriptedPrompt refuse;
    refuse.Answer(Answer::No);
    window_->ConvertButtonClick();
    ASSERT_EQ(refuse.Shown().size(), 1u);
    const platform::Message& question = refuse.Shown()[0];
    EXPECT_EQ(question.title, "Sample rates differ");
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(question.buttons, platform::Message::Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(question.text,
        "File 1 runs at 48000 Hz and File 2 at 44100 Hz.\r\n\r\nThe clips of File 2 will be placed at the wrong "
        "times in the combined session.\r\n\r\nCombine anyway?");
    EXPECT_FALSE(fs::exists(output));

    ScriptedPrompt accept;
    accept.Answer(Answer::Yes);
    accept.Answer(Answer::Yes);
    window_->ConvertButtonClick();
    ASSERT_EQ(accept.Shown().size(), 3u);
    EXPECT_EQ(accept.Shown()[1].title, "Combine");
    EXPECT_EQ(accept.Shown()[2].title, "Process completed...");
    EXPECT_TRUE(fs::exists(output));
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
    const std::string output = file("Sessions/one + four.sesx");
    const std::string warning =
        output + "\r\n\r\nWarning: the new session has problems that Audition may not load correctly:\r\nLine ";
    const std::size_t at = completion.text.find(warning);
    ASSERT_NE(at, std::string::npos) << completion.text;
    EXPECT_NE(completion.text.find(": Clip \"Lost\" uses media file ", at), std::string::npos) << completion.text;
    EXPECT_TRUE(fs::exists(output));
}

TEST_F(CombineTest, TheSameFileTwiceIsRefusedWhateverTheCase)
{
    std::ofstream(base_ / "s" / "Sessions" / "Mix.sesx") << SessionText;
    std::ofstream(base_ / "s" / "Sessions" / "mix.sesx") << SessionText;
    Tick(1, "Sessions", "Mix.sesx");
    // Windows names one file by both.
    const bool oneFile = fs::equivalent(base_ / "s" / "Sessions" / "Mix.sesx", base_ / "s" / "Sessions" / "mix.sesx");
    Tick(2, "Sessions", oneFile ? "Mix.sesx" : "mix.sesx");
    ScriptedPrompt prompt;
    window_->ConvertButtonClick();
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].title, "File error");
    EXPECT_EQ(prompt.Shown()[0].icon, Icon::Critical);
    EXPECT_EQ(prompt.Shown()[0].text, "You cannot select the same file for both File 1 and File 2.");
}

TEST_F(CombineTest, AnUnwritableTargetShowsTheEnginesMessage)
{
    const fs::path existing = base_ / "s" / "Sessions" / "one + four.sesx";
    std::ofstream(existing) << "keep";
    fs::permissions(existing, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ScriptedPrompt prompt;
    prompt.Answer(Answer::Yes);
    window_->ConvertButtonClick();
    ASSERT_EQ(prompt.Shown().size(), 2u);
    EXPECT_EQ(prompt.Shown()[1].title, "Error 70");
    EXPECT_EQ(prompt.Shown()[1].icon, Icon::Critical);
    EXPECT_EQ(prompt.Shown()[1].text,
        "Error Writing to File '" + existing.string() + "'.  \nPermission denied\n\nFile may be in use");
    fs::permissions(existing, fs::perms::owner_all);
}

TEST_F(CombineTest, TargetControlsAndTooltips)
{
    EXPECT_FALSE(window_->TargetTextBox->isEnabled());
    window_->TargetOption[2]->setChecked(true);
    EXPECT_TRUE(window_->TargetTextBox->isEnabled());
    EXPECT_TRUE(window_->FileButton->isEnabled());
    window_->TargetOption[1]->setChecked(true);
    EXPECT_FALSE(window_->FileButton->isEnabled());

    QTest::mouseMove(window_->TargetOption[1], QPoint(5, 5));
    EXPECT_EQ(window_->TargetOption[1]->toolTip(), Key("Other/"));
    Pane(2).ForceRefresh = true;
    Pane(2).SESFileRefresh();
    QTest::mouseMove(window_->TargetOption[1], QPoint(6, 6));
    EXPECT_EQ(window_->TargetOption[1]->toolTip(), QString());

    window_->TargetOption[2]->setChecked(true);
    window_->TargetTextBox->setText(QStringLiteral("/a/long/folder"));
    QTest::mouseMove(window_->TargetTextBox, QPoint(5, 5));
    EXPECT_EQ(window_->TargetTextBox->toolTip(), QStringLiteral("/a/long/folder"));
    window_->activateWindow();
    window_->TargetTextBox->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    EXPECT_EQ(window_->TargetTextBox->selectedText(), QStringLiteral("/a/long/folder"));
}

TEST_F(CombineTest, BrowsingForTheFolder)
{
    QString askedTitle;
    QString askedStart;
    QString answer = Key("Chosen");
    combine::SetFolderChooser([&](const QString& title, const QString& start) {
        askedTitle = title;
        askedStart = start;
        return answer;
    });
    window_->TargetTextBox->setText(QStringLiteral("/before"));
    QTest::mouseClick(window_->FileButton, Qt::LeftButton); // disabled: option 1 is on
    EXPECT_TRUE(askedTitle.isEmpty());
    window_->TargetChoice().FileButtonClick();
    EXPECT_TRUE(window_->TargetOption[2]->isChecked());
    EXPECT_EQ(askedTitle, QStringLiteral("Please select a folder to place backup copies of your selected SES files."));
    EXPECT_EQ(askedStart, QStringLiteral("/before"));
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Chosen"));

    // Cancelling keeps the text and option 3.
    answer.clear();
    QTest::mouseClick(window_->FileButton, Qt::LeftButton);
    EXPECT_EQ(askedStart, Key("Chosen"));
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Chosen"));
    EXPECT_TRUE(window_->TargetOption[2]->isChecked());
    combine::SetFolderChooser(nullptr);
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
