#include "append_session.h"

#include "background_split.h"
#include "merge_context.h"
#include "merge_failure.h"
#include "output_naming.h"
#include "scans.h"
#include "session_writer.h"
#include "writing_pass.h"

#include "errors.h"
#include "file_facts.h"
#include "file_io.h"
#include "file_view.h"
#include "read_guard.h"

#include <memory>
#include <new>

namespace tandem::engine {

namespace {

// A text that does not split may be a file cut short while it was mapped,
// whose missing end reads as zeros.
int unreadableText(const platform::FileView& view, const std::string& path)
{
    platform::FileFacts facts;
    if (view.Mapped() && platform::ReadFileFacts(path, facts) == 0 &&
        static_cast<std::uint64_t>(facts.size) < view.Text().size())
        return platform::ErrorNumber::InputPastEndOfFile;
    return platform::ErrorNumber::InvalidFileFormat;
}

AppendOutcome failed(AppendOutcome outcome, Phase phase, int number, std::string path)
{
    outcome.succeeded = false;
    outcome.failedPath = std::move(path);
    outcome.phase = phase;
    outcome.errorNumber = number;
    outcome.description = platform::ErrorDescription(number);
    return outcome;
}

// Which of the two files could not be read to its end.
const std::string& shrunkFile(const AppendOutcome& outcome, const platform::FileView& first, const void* address)
{
    return first.Holds(address) ? outcome.firstPath : outcome.secondPath;
}

} // namespace

std::string CombinedFilePath(
    const std::string& firstPath, const std::string& secondPath, const std::string& targetFolder)
{
    const auto names = MakeOutputNames(firstPath, secondPath);
    return names ? OutputPath(targetFolder, *names) : std::string();
}

AppendOutcome AppendSession(const std::string& firstPath, const std::string& secondPath,
    const std::string& targetFolder, const AppendOptions& options)
{
    AppendOutcome outcome;
    outcome.firstPath = firstPath;
    outcome.secondPath = secondPath;

    // Everything the reading work holds lives out here: a file cut short
    // while it is read ends that work without its own objects' destructors.
    platform::FileView view1;
    platform::FileView view2;
    SessionLines session1;
    SessionLines session2;
    platform::OutputFile file;
    std::unique_ptr<SessionWriter> writer;
    MergeState state;
    std::string nameLine;
    const void* unreadable = nullptr;
    try {
        if (const int error = view1.Open(firstPath))
            return failed(std::move(outcome), Phase::Read, error, firstPath);
        BackgroundSplit second(view2, secondPath, session2);
        bool text1 = false;
        // Caught here, not below: session 1's lines, split in part, would
        // not tell which of the two splits ran out.
        bool outOfMemory1 = false;
        const bool whole1 = platform::RunReading(
            [&] {
                try {
                    text1 = session1.Split(view1.Text());
                } catch (const std::bad_alloc&) {
                    outOfMemory1 = true;
                }
            },
            unreadable);
        second.Wait();
        if (!whole1)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InputPastEndOfFile, firstPath);
        if (outOfMemory1)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::OutOfMemory, firstPath);
        // Session 2 goes into session 1's lines; without a line break there
        // is nothing to merge into, and the combined file would be empty.
        if (!text1)
            return failed(std::move(outcome), Phase::Read, unreadableText(view1, firstPath), firstPath);
        if (session1.size() < 2)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InvalidFileFormat, firstPath);
        if (second.openError != 0)
            return failed(std::move(outcome), Phase::Read, second.openError, secondPath);
        if (second.outOfMemory)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::OutOfMemory, secondPath);
        if (!second.whole)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InputPastEndOfFile, secondPath);
        if (!second.text)
            return failed(std::move(outcome), Phase::Read, unreadableText(view2, secondPath), secondPath);
    } catch (const std::bad_alloc&) {
        // Outside the splits, as in starting session 2's thread, while
        // session 1 was being read.
        return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::OutOfMemory, firstPath);
    }

    try {
        const auto names = MakeOutputNames(firstPath, secondPath);
        if (!names)
            FailMerge(platform::ErrorNumber::InvalidArgument);
        outcome.outputPath = OutputPath(targetFolder, *names);
        nameLine = SessionNameLine(*names);
        if (const int error = file.Create(outcome.outputPath, options.replaceExisting))
            FailMerge(error);
        writer = std::make_unique<SessionWriter>(file, options.written);
        const bool whole = platform::RunReading(
            [&] {
                TrackIds trackIds;
                Scan1(session1, state, trackIds);
                Scan2(session2, state, trackIds);
                Scan3(session1, state);
                AvoidMasterIdCollision(trackIds, state);
                const MergeChoices choices =
                    WorkOutChoices(session1, session2, options, firstPath, secondPath, targetFolder);
                MergeContext context{ session1, session2, state, *writer, choices };
                WriteMergedSession(context, nameLine);
                writer->Flush();
            },
            unreadable);
        if (!whole) {
            file.Discard();
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InputPastEndOfFile,
                shrunkFile(outcome, view1, unreadable));
        }
        if (const int error = file.Commit())
            FailMerge(error);
    } catch (const MergeFailure& failure) {
        const std::string concerned = outcome.outputPath.empty() ? targetFolder : outcome.outputPath;
        return failed(std::move(outcome), Phase::Write, failure.number, concerned);
    } catch (const std::bad_alloc&) {
        const std::string concerned = outcome.outputPath.empty() ? targetFolder : outcome.outputPath;
        return failed(std::move(outcome), Phase::Write, platform::ErrorNumber::OutOfMemory, concerned);
    }
    outcome.succeeded = true;
    return outcome;
}

} // namespace tandem::engine
