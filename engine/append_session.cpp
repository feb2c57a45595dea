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

AppendOutcome failed(AppendOutcome outcome, Phase phase, int number)
{
    outcome.succeeded = false;
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
void writeCombinedSession(
    const SessionLines& session1, const SessionLines& session2, const std::string& targetFolder, AppendOutcome& outcome)
{
    const auto names = MakeOutputNames(outcome.firstPath, outcome.secondPath);
    if (!names)
        FailMerge(platform::ErrorNumber::InvalidArgument);
    outcome.outputPath = OutputPath(targetFolder, *names);

    platform::OutputFile file;
    if (const int error = file.Create(outcome.outputPath))
        FailMerge(error);
    SessionWriter writer(file);
    MergeState state;
    Scan1(session1, state);
    Scan2(session2, state);
    Scan3(session1, state);
    MergeContext context{ session1, session2, state, writer };
    WriteMergedSession(context, SessionNameLine(*names));
    writer.Flush();
    if (const int error = file.Commit())
        FailMerge(error);
}

} // namespace

AppendOutcome AppendSession(
    const std::string& firstPath, const std::string& secondPath, const std::string& targetFolder)
{
    AppendOutcome outcome;
    outcome.firstPath = firstPath;
    outcome.secondPath = secondPath;

    SessionLines session1;
    SessionLines session2;
    try {
        if (const int error = readSession(firstPath, session1))
            return failed(std::move(outcome), Phase::Read, error);
        // Session 2 goes into session 1's lines; without a line break there
        // is nothing to merge into, and the combined file would be empty.
        if (session1.size() < 2)
            return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::InvalidFileFormat);
        if (const int error = readSession(secondPath, session2))
            return failed(std::move(outcome), Phase::Read, error);
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), Phase::Read, platform::ErrorNumber::OutOfMemory);
    }

    try {
        writeCombinedSession(session1, session2, targetFolder, outcome);
    } catch (const MergeFailure& failure) {
        return failed(std::move(outcome), Phase::Write, failure.number);
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), Phase::Write, platform::ErrorNumber::OutOfMemory);
    }
    outcome.succeeded = true;
    return outcome;
}

} // namespace tandem::engine
