#include "attributes.h"
#include "line_tests.h"
#include "renumbering.h"
#include "section_merge.h"

#include <algorithm>

namespace tandem::engine {

namespace {

// The relative path of a media file entry read from the target folder, as
// pieces of the line around it; nothing when it stays as it is.
struct RebasedLine {
    std::string_view before;
    std::string path;
    std::string_view after;
};

std::optional<RebasedLine> rebased(const std::optional<PathRebase>& rebase, std::string_view line)
{
    const std::size_t at = line.find(Marker::RelativePath);
    if (!rebase || at == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = at + Marker::RelativePath.size() + 1;
    const std::size_t close = start <= line.size() ? line.find('"', start) : std::string_view::npos;
    if (close == std::string_view::npos)
        return std::nullopt;
    auto path = rebase->Rebased(line.substr(start, close - start));
    if (!path)
        return std::nullopt;
    return RebasedLine{ line.substr(0, start), std::move(*path), line.substr(close) };
}

// A media file entry of session 1, its relative path read from the target
// folder.
void writeSession1File(MergeContext& context, std::string_view line)
{
    if (const auto moved = rebased(context.choices.rebase1, line))
        context.out.WriteLine(std::string(moved->before) + moved->path + std::string(moved->after));
    else
        context.out.WriteLine(line);
}

// Session 2's media file entries follow session 1's with new ids; an entry
// whose id is not closed is left out.
void writeSession2File(MergeContext& context, std::string_view line)
{
    const auto moved = rebased(context.choices.rebase2, line);
    const std::string whole =
        moved ? std::string(moved->before) + moved->path + std::string(moved->after) : std::string();
    WriteRenumbered(context.out, moved ? std::string_view(whole) : line, Marker::Id,
        [&](std::int32_t id) { return std::optional<std::int32_t>(NewFileId(id, context.state)); });
}

std::size_t mergeIntoFileList(MergeContext& context, std::size_t opening)
{
    const SessionLines& lines = context.session1;
    MergeState& state = context.state;
    context.out.WriteLine(lines[opening]);
    // Only single-line "<file " entries pass, from either session.
    std::size_t j = opening + 1;
    for (; j < lines.size() && !StartsWith(lines[j], "</files>"); ++j) {
        const std::string_view line = lines[j];
        if (StartsWith(line, "<file ")) {
            if (const auto id = ReadAttributeNumber(line, Marker::Id))
                state.maxFileId = std::max(state.maxFileId, *id);
            writeSession1File(context, line);
        }
    }
    const SessionLines& lines2 = context.session2;
    for (std::size_t k = state.filesLine2; k < lines2.size(); ++k) {
        const std::string_view line = lines2[k];
        if (StartsWith(line, "<file "))
            writeSession2File(context, line);
        else if (StartsWith(line, "</files>"))
            break;
    }
    if (j < lines.size()) {
        context.out.WriteLine(lines[j]);
        return j;
    }
    context.out.WriteLine("</files>");
    return lines.size() - 1;
}

std::size_t fillEmptyFileList(MergeContext& context, std::size_t opening)
{
    context.out.WriteLine("<files>");
    bool closed = false;
    const SessionLines& lines2 = context.session2;
    for (std::size_t k = context.state.filesLine2; k < lines2.size(); ++k) {
        const std::string_view line = lines2[k];
        if (StartsWith(line, "<files/>")) {
            context.out.WriteLine("</files>");
            closed = true;
        } else if (StartsWith(line, "<file ")) {
            writeSession2File(context, line);
        } else if (StartsWith(line, "</files>")) {
            context.out.WriteLine(line);
            closed = true;
            break;
        }
    }
    // The list is always closed, even when session 2 has no file list at all.
    if (!closed)
        context.out.WriteLine("</files>");
    return opening;
}

} // namespace

std::size_t MergeFiles(MergeContext& context, std::size_t opening)
{
    if (context.state.session2FilesWritten) {
        context.out.WriteLine(context.session1[opening]);
        return opening;
    }
    context.state.session2FilesWritten = true;
    if (StartsWith(context.session1[opening], "<files/>"))
        return fillEmptyFileList(context, opening);
    return mergeIntoFileList(context, opening);
}

} // namespace tandem::engine
