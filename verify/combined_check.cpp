#include "combined_check.h"

#include "conservation.h"
#include "media_check.h"
#include "session_check.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace tandem::verify {

namespace {

// A file that is not well-formed has no other findings, and its XML error
// is among the sentences already.
Findings withoutXmlError(const CheckResult& result) { return result.xmlError ? Findings{} : result.findings; }

} // namespace

bool CombinedCheck::Clean() const
{
    return sentences.empty() && unchecked.empty() &&
        std::all_of(files.begin(), files.end(), [](const FileFindings& file) { return file.findings.empty(); });
}

CombinedCheck CheckCombinedSession(const std::string& firstPath, const std::string& secondPath,
    const std::string& combinedPath, const LeftOut& leftOut)
{
    // The inputs are read on a second thread while the combined session is
    // read here: the check then costs about the time of one file's half.
    CheckResult first;
    CheckResult second;
    const auto checkInputs = [&] {
        first = CheckSessionFile(firstPath);
        second = CheckSessionFile(secondPath);
    };
    std::thread inputs;
    try {
        inputs = std::thread(checkInputs);
    } catch (const std::system_error&) {
        checkInputs();
    }
    const CheckResult combined = CheckSessionFile(combinedPath);
    if (inputs.joinable())
        inputs.join();
    return CompareSessions(firstPath, secondPath, combinedPath, first, second, combined, leftOut);
}

CombinedCheck CompareSessions(const std::string& firstPath, const std::string& secondPath,
    const std::string& combinedPath, const CheckResult& first, const CheckResult& second, const CheckResult& combined,
    const LeftOut& leftOut)
{
    CombinedCheck check;
    const struct {
        const char* label;
        const std::string& path;
        const CheckResult& result;
    } files[] = { { "The combined session", combinedPath, combined }, { "File 1", firstPath, first },
        { "File 2", secondPath, second } };
    for (const auto& file : files)
        if (file.result.errorNumber != 0)
            check.unchecked.push_back({ file.label, file.path, file.result.errorNumber, file.result.description });
    if (!check.unchecked.empty())
        return check;
    check.sentences = ConservationFindings(first, second, combined, leftOut.tracks);
    check.warnings = MissingMedia(combinedPath, combined.media, first.media.size());
    for (const auto& file : files) {
        Findings findings = withoutXmlError(file.result);
        if (!findings.empty())
            check.files.push_back({ file.label, file.path, std::move(findings) });
    }
    return check;
}

} // namespace tandem::verify
