#include "combine_command.h"
#include "show_in_file_manager.h"

#include "append_session.h"
#include "messages.h"
#include "sample_rate.h"

#include "findings_report.h"
#include "session_check.h"

#include "busy_pointer.h"
#include "paths.h"
#include "prompt.h"

namespace tandem::combine {

namespace {

using platform::Message;

const QString crlf = QStringLiteral("\r\n");

} // namespace

QString TargetFolder(int choice, const QString& folder1, const QString& folder2, const QString& typedFolder)
{
    const QString folder = choice == 1 ? folder1 : choice == 2 ? folder2 : typedFolder;
    return QString::fromStdString(platform::AddTrailingBackslash(folder.toStdString()));
}

void CombineSessions(const QString& file1, const QString& file2, const QString& targetFolder)
{
    platform::Prompt& prompt = platform::CurrentPrompt();
    if (file1.toLower() == file2.toLower()) {
        Message refusal;
        refusal.icon = Message::Icon::Critical;
        refusal.title = "File error";
        refusal.text = "You cannot select the same file for both File 1 and File 2.";
        prompt.Show(refusal);
        return;
    }
    std::string firstRate;
    std::string secondRate;
    {
        // Both files are read for their rates; large ones take a moment.
        platform::BusyPointer busy;
        firstRate = engine::SessionSampleRate(file1.toStdString());
        secondRate = engine::SessionSampleRate(file2.toStdString());
    }
    if (engine::SampleRatesDiffer(firstRate, secondRate) &&
        prompt.Show(engine::SampleRateQuestion(firstRate, secondRate)) != Message::Answer::Yes)
        return;
    Message confirmation;
    confirmation.icon = Message::Icon::Information;
    confirmation.title = "Combine";
    confirmation.buttons = Message::Buttons::YesNo;
    confirmation.defaultAnswer = Message::Answer::No;
    confirmation.text = (file1 + crlf + QStringLiteral(" and ") + crlf + file2 + crlf + crlf +
        QStringLiteral("will be combined to ") + crlf + crlf + targetFolder + crlf + crlf + crlf + crlf +
        QStringLiteral("Are you sure you wish to proceed?"))
                            .toStdString();
    if (prompt.Show(confirmation) != Message::Answer::Yes)
        return;
    engine::AppendOutcome outcome;
    verify::CheckResult check;
    {
        platform::BusyPointer busy;
        outcome = engine::AppendSession(file1.toStdString(), file2.toStdString(), targetFolder.toStdString());
        if (outcome.succeeded)
            check = verify::CheckSessionFile(outcome.outputPath);
    }
    Message report = engine::OutcomeMessage(outcome);
    report.extraButton = outcome.succeeded ? "Open Folder" : "";
    if (prompt.Show(outcome.succeeded ? verify::WithCheckResult(report, check) : report) == Message::Answer::Extra)
        ShowInFileManager(QString::fromStdString(outcome.outputPath));
}

} // namespace tandem::combine
