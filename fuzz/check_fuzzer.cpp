// Checks each input as a session, from memory and from a file, and holds the
// check to what its callers rely on: findings on lines that exist, in line
// order, the same either way, and the file left as it was.

#include "fuzz_support.h"

#include "session_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;
using tandem::fuzz::Require;

const tandem::fuzz::ScratchFolder& scratch()
{
    static const tandem::fuzz::ScratchFolder folder("check");
    return folder;
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

bool sameFindings(const tandem::verify::Findings& a, const tandem::verify::Findings& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const auto& x, const auto& y) { return x.line == y.line && x.text == y.text; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tandem::verify::Findings findings = tandem::verify::CheckSessionText(text);

    const std::size_t lineEnds = static_cast<std::size_t>(
        std::count(text.begin(), text.end(), text.find('\n') != std::string_view::npos ? '\n' : '\r'));
    std::size_t previousLine = 1;
    for (const auto& finding : findings) {
        Require(finding.line >= previousLine, "findings come in line order");
        Require(finding.line <= lineEnds + 1, "a finding stands on a line of the file");
        Require(!finding.text.empty() && finding.text.back() == '.', "a finding is a sentence");
        previousLine = finding.line;
    }

    const fs::path file = scratch().Folder("in") / "Session.sesx";
    tandem::fuzz::WriteFile(file, text);
    const tandem::verify::CheckResult fromFile = tandem::verify::CheckSessionFile(file.string());
    Require(fromFile.errorNumber == 0, "a readable file is checked");
    Require(sameFindings(fromFile.findings, findings), "a file and its text give the same findings");
    Require(readAll(file) == text, "the check leaves the file as it was");
    return 0;
}
