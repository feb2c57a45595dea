#include "append_session.h"

#include "merge_context.h"
#include "merge_failure.h"
#include "output_naming.h"
#include "scans.h"
#include "session_writer.h"
#include "writing_pass.h"

#include "errors.h"
#include "file_io.h"

#include <cstring>
#include <new>

namespace tandem::engine {

namespace {

AppendOutcome failed(AppendOutcome outcome, Phase phase, int number, std::string path)
{
    outcome.succeeded = false;
    outcome.failedPath = std::move(path);
    outcome.phase = phase;
    outcome.errorNumber = number;
    outcome.description = platform::ErrorDescription(number);
    return outcome;
}

// A session is text: a NUL byte means some other kind of file was chosen,
// whose lines would only be copied into the combined session as garbage.
int readSession(const std::string& path, SessionLines& lines)
{
    platform::FileBytes bytes;
    if (const int error = platform::ReadWholeFile(path, bytes))
        return error;
    if (std::memchr(bytes.data.get(), '\0', bytes.size))
        return platform::ErrorNumber::InvalidFileFormat;
    lines = SessionLines(std::move(bytes.data), bytes.size);
    return platform::ErrorNumber::None;
}

// Everything after both files are read: naming, writing and the rename that
// makes the new file appear.
void writeCombinedSession(const SessionLines& session1, const SessionLines& session2, const std::string& targetFolder,
    const AppendOptions& options, AppendOutcome& outcome)
{
    const auto names = MakeOutputNames(outcome.firstPath, outcome.secondPath);
    if (!names)
        FailMerge(platform::ErrorNumber::InvalidArgument);
    outcome.outputPath = OutputPath(targetFolder, *names);

    platform::OutputFile file;
    if (const int error = file.Create(outcome.outputPath, options.replaceExisting))
        FailMerge(error);
    SessionWriter writer(file);
    MergeState state;
    Scan1(session1, state);
    Scan2(session2, state);
    Scan3(session1, state);
    AvoidMasterIdCollision(session1, session2, state);
    MergeContext context{ session1, session2, state, writer };
    WriteMergedSession(context, SessionNameLine(*names));
    writer.Flush();
    if (const int error = file.Commit())
        FailMerge(error);
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

    SessionLines session1;
    SessionLines session2;
    try {
        if (const int error = readSession(firstPath, session1))
            return failed(std::move(outcome), Phase::Read, error, firstPath);
        // Session 2 goes into session 1's lines; without a line break there
        // is nothing to merge into, and the combined file would be empty.
        if (session1.size() < 2)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InvalidFileFormat, firstPath);
        if (const int error = readSession(secondPath, session2))
            return failed(std::move(outcome), Phase::Read, error, secondPath);
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::OutOfMemory,
            session1.size() == 0 ? firstPath : secondPath);
    }

    try {
        writeCombinedSession(session1, session2, targetFolder, options, outcome);
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
