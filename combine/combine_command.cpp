#include "combine_command.h"
#include "show_in_file_manager.h"

#include "append_session.h"
#include "messages.h"
#include "sample_rate.h"

#include "combined_check.h"
#include "findings_report.h"
#include "merge_check.h"

#include "busy_pointer.h"
#include "file_system.h"
#include "paths.h"
#include "prompt.h"

#include <QDateTime>
#include <QFileInfo>

namespace tandem::combine {

namespace {

using platform::Message;

const QString crlf = QStringLiteral("\r\n");

// The same file in both panes, however its path is spelled: through a link,
// or in another case on a system where case matters. Where the file cannot
// be reached, the spelling decides, as the merge will then report it.
bool sameFile(const QString& file1, const QString& file2)
{
    return platform::SameFile(file1.toStdString(), file2.toStdString()) || file1 == file2;
}

// Asks before an existing combined session, perhaps edited since, is
// replaced; No is the default.
bool mayReplace(const QString& outputPath)
{
    const QFileInfo existing(outputPath);
    if (outputPath.isEmpty() || !existing.exists())
        return true;
    Message question;
    question.icon = Message::Icon::Question;
    question.title = "Combine";
    question.buttons = Message::Buttons::YesNo;
    question.defaultAnswer = Message::Answer::No;
    question.text = (outputPath + QStringLiteral(" already exists (saved ") +
        existing.lastModified().toString(QStringLiteral("dd/MM/yyyy HH:mm")) + QStringLiteral("). Replace it?"))
                        .toStdString();
    return platform::CurrentPrompt().Show(question) == Message::Answer::Yes;
}

} // namespace

QString TargetFolder(int choice, const QString& folder1, const QString& folder2, const QString& typedFolder)
{
    const QString folder = choice == 1 ? folder1 : choice == 2 ? folder2 : typedFolder;
    return QString::fromStdString(platform::AddTrailingBackslash(folder.toStdString()));
}

void CombineSessions(const QString& file1, const QString& file2, const QString& targetFolder)
{
    platform::Prompt& prompt = platform::CurrentPrompt();
    if (sameFile(file1, file2)) {
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
    const std::string outputPath =
        engine::CombinedFilePath(file1.toStdString(), file2.toStdString(), targetFolder.toStdString());
    const bool existed = QFileInfo::exists(QString::fromStdString(outputPath));
    if (!mayReplace(QString::fromStdString(outputPath)))
        return;
    engine::AppendOutcome outcome;
    verify::CombinedCheck check;
    {
        platform::BusyPointer busy;
        engine::AppendOptions options;
        // A file that appears while the merge runs is not replaced unasked.
        options.replaceExisting = existed;
        // The check runs beside the merge.
        verify::MergeCheck live(file1.toStdString(), file2.toStdString());
        options.written = [&live](const char* data, std::size_t size) { live.Written(data, size); };
        outcome = engine::AppendSession(file1.toStdString(), file2.toStdString(), targetFolder.toStdString(), options);
        if (outcome.succeeded)
            check = live.Finish(outcome.outputPath);
    }
    Message report = engine::OutcomeMessage(outcome);
    report.extraButton = outcome.succeeded ? "Open Folder" : "";
    if (prompt.Show(outcome.succeeded ? verify::WithCheckResult(report, check) : report) == Message::Answer::Extra)
        ShowInFileManager(QString::fromStdString(outcome.outputPath));
}

} // namespace tandem::combine
