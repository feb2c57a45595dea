#include "combine_command.h"
#include "show_in_file_manager.h"
#include "track_choice.h"

#include "append_session.h"
#include "messages.h"
#include "placement_time.h"
#include "sample_rate.h"
#include "session_tracks.h"

#include "combined_check.h"
#include "findings_report.h"
#include "merge_check.h"

#include "busy_pointer.h"
#include "file_system.h"
#include "paths.h"
#include "prompt.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

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

// Says which box of the "Place File 2" frame holds no gap or time.
bool refusePlacement(const QString& text)
{
    Message refusal;
    refusal.icon = Message::Icon::Critical;
    refusal.title = "Place File 2";
    refusal.text = text.toStdString();
    platform::CurrentPrompt().Show(refusal);
    return false;
}

// Puts where File 2 goes into `options`; false, once the user has been
// told, when the box of the chosen placement holds no gap or time. An empty
// gap is none.
bool placeFile2(const CombineChoices& choices, engine::AppendOptions& options)
{
    options.placement = choices.placement;
    if (choices.placement == engine::Placement::AfterFile1) {
        const QString gap = choices.gap.trimmed();
        const auto seconds = gap.isEmpty() ? std::optional<double>(0) : engine::ParseGapSeconds(gap.toStdString());
        if (!seconds)
            return refusePlacement(QStringLiteral("The gap box beside \"After File 1\" needs a number of seconds, "
                                                  "such as 2 or 0.5, not \"") +
                gap + QStringLiteral("\"."));
        options.gapSeconds = *seconds;
    } else if (choices.placement == engine::Placement::At) {
        const QString at = choices.at.trimmed();
        const auto time = engine::ParsePlacementTime(at.toStdString());
        if (!time)
            return refusePlacement(QStringLiteral("The time box beside \"At time\" needs a time as h:mm:ss.fff (also "
                                                  "m:ss.fff or ss.fff) or a number of samples") +
                (at.isEmpty() ? QStringLiteral(".") : QStringLiteral(", not \"") + at + QStringLiteral("\".")));
        options.atSamples = time->samples;
        options.atSeconds = time->seconds;
    }
    return true;
}

// Asks for the tracks of File 2 to merge, when the user wants to pick them,
// and notes those left out for the check; false when the user cancels.
bool chooseTracks(const QString& file2, engine::AppendOptions& options, verify::LeftOut& leftOut)
{
    std::vector<engine::SessionTrack> tracks;
    {
        platform::BusyPointer busy;
        tracks = engine::ListSessionTracks(file2.toStdString());
    }
    // A session without tracks has none to pick; one that cannot be read is
    // reported by the merge.
    if (tracks.empty())
        return true;
    const auto ticked = ChooseTracks(file2, tracks);
    if (!ticked)
        return false;
    if (ticked->size() == tracks.size())
        return true;
    options.tracks = *ticked;
    for (const engine::SessionTrack& track : tracks)
        if (std::find(ticked->begin(), ticked->end(), track.position) == ticked->end())
            leftOut.tracks.push_back(track.position);
    return true;
}

} // namespace

QString TargetFolder(int choice, const QString& folder1, const QString& folder2, const QString& typedFolder)
{
    const QString folder = choice == 1 ? folder1 : choice == 2 ? folder2 : typedFolder;
    return QString::fromStdString(platform::AddTrailingBackslash(folder.toStdString()));
}

void CombineSessions(
    const QString& file1, const QString& file2, const QString& targetFolder, const CombineChoices& choices)
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
    engine::AppendOptions options;
    if (!placeFile2(choices, options))
        return;
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
    verify::LeftOut leftOut;
    if (choices.chooseTracks && !chooseTracks(file2, options, leftOut))
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
        // A file that appears while the merge runs is not replaced unasked.
        options.replaceExisting = existed;
        options.rewriteRelativePaths = true;
        // The check runs beside the merge.
        verify::MergeCheck live(file1.toStdString(), file2.toStdString(), leftOut);
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
