// Checks each input as a session, from memory in one piece and in small
// pieces, and from a file, and holds the check to what its callers rely on:
// findings on lines that exist, in line order, the same and the same
// content counted however the text arrives, and the file left as it was.

#include "fuzz_support.h"

#include "session_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using tandem::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tandem::verify::CheckResult whole = tandem::verify::CheckSessionText(text);
    const tandem::verify::Findings& findings = whole.findings;
    Require(whole.errorNumber == 0, "a text in memory is checked");

    const std::size_t lineEnds = static_cast<std::size_t>(
        std::count(text.begin(), text.end(), text.find('\n') != std::string_view::npos ? '\n' : '\r'));
    std::size_t previousLine = 1;
    for (const auto& finding : findings) {
        Require(finding.line >= previousLine, "findings come in line order");
        Require(finding.line <= lineEnds + 1, "a finding stands on a line of the file");
        Require(!finding.text.empty() && finding.text.back() == '.', "a finding is a sentence");
        previousLine = finding.line;
    }

    // Piece sizes from 1 byte up: every token, reference and line end may
    // be cut anywhere.
    const std::size_t pieceSize = size == 0 ? 1 : 1 + data[0] % 17;
    const tandem::verify::CheckResult pieces = tandem::verify::CheckSessionText(text, pieceSize);
    Require(pieces.findings == findings, "pieces give the same findings as the whole text");
    Require(pieces.content.count == whole.content.count && pieces.content.sharesLines == whole.content.sharesLines &&
            pieces.content.mixedLineEnds == whole.content.mixedLineEnds,
        "pieces count the same content as the whole text");

    const std::string file = tandem::fuzz::Scratch().Write("Session.sesx", text);
    const tandem::verify::CheckResult fromFile = tandem::verify::CheckSessionFile(file);
    Require(fromFile.errorNumber == 0, "a readable file is checked");
    Require(fromFile.findings == findings, "a file and its text give the same findings");
    Require(tandem::test::ReadFile(file) == text, "the check leaves the file as it was");
    return 0;
}
