#include "attributes.h"
#include "line_tests.h"
#include "merge_context.h"
#include "merge_failure.h"
#include "numbers.h"
#include "renumbering.h"
#include "section_merge.h"

#include "errors.h"

namespace tandem::engine {

namespace {

// A clip-group member line names its track by session 2's track id, which
// moves with the track. Without the closing quote the line is left out.
void writeMemberLine(MergeContext& context, std::string_view line)
{
    WriteRenumbered(context.out, line, Marker::TrackId,
        [&](std::int32_t trackId) { return std::optional<std::int32_t>(NewTrackId(trackId, context.state)); });
}

// A member on a track of session 2 that was left out goes with it.
bool onLeftOutTrack(const MergeContext& context, std::string_view line)
{
    const auto trackId = context.choices.kept.empty() ? std::nullopt : ReadAttributeNumber(line, Marker::TrackId);
    return trackId && context.choices.LeftOut(*trackId);
}

// Where a group of session 2 ends when all its members were on tracks left
// out, so that it goes too; 0 when it stays.
std::size_t emptiedGroupEnd(const MergeContext& context, std::size_t groupLine)
{
    const SessionLines& lines = context.session2;
    if (context.choices.kept.empty() || !StartsWith(lines[groupLine], "<clipGroup "))
        return 0;
    const std::size_t end = BlockEnd(lines, groupLine, "</clipGroup>");
    bool members = false;
    for (std::size_t k = groupLine + 1; k < end; ++k) {
        if (!Contains(lines[k], Marker::TrackId))
            continue;
        if (!onLeftOutTrack(context, lines[k]))
            return 0;
        members = true;
    }
    return members ? end : 0;
}

// Session 2's block as it stands, group ids kept, for a session 1 that has
// no groups of its own.
void copySession2ClipGroups(MergeContext& context)
{
    const SessionLines& lines = context.session2;
    for (std::size_t k = context.state.clipGroupsLine2; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (const std::size_t end = emptiedGroupEnd(context, k)) {
            k = end;
            continue;
        }
        if (onLeftOutTrack(context, line))
            continue;
        if (Contains(line, Marker::TrackId))
            writeMemberLine(context, line);
        else
            context.out.WriteLine(line);
        if (StartsWith(line, "</clipGroups>"))
            break;
    }
    // Placed once: a later "<clipGroups/>" or metronome must not place it again.
    context.state.clipGroupsLine2 = 0;
}

// Session 2's groups appended to session 1's: they take the group ids after
// session 1's last, and the attributes after the id are dropped.
void appendSession2ClipGroups(MergeContext& context)
{
    const SessionLines& lines = context.session2;
    MergeState& state = context.state;
    for (std::size_t k = state.clipGroupsLine2; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (const std::size_t end = emptiedGroupEnd(context, k)) {
            k = end;
            continue;
        }
        if (onLeftOutTrack(context, line))
            continue;
        if (Contains(line, Marker::TrackId)) {
            writeMemberLine(context, line);
        } else if (StartsWith(line, "<clipGroups>")) {
            continue;
        } else if (const auto idAt = line.find(Marker::Id); idAt != std::string_view::npos) {
            state.lastClipGroupId = CheckedAdd(state.lastClipGroupId, 1);
            RewrittenLine group;
            group.text[0] = line.substr(0, std::min(idAt + Marker::Id.size() + 1, line.size()));
            group.number[0] = state.lastClipGroupId;
            group.text[1] = "\">";
            context.out.WriteLine(group);
        } else {
            context.out.WriteLine(line);
        }
        if (StartsWith(line, "</clipGroups>"))
            break;
    }
    state.clipGroupsLine2 = 0;
}

// The id between the opening quote and the next double quote of a session 1
// group line; a group line whose id is not closed cannot be numbered after.
std::int32_t session1GroupId(std::string_view line, std::size_t idAt)
{
    const std::size_t start = idAt + Marker::Id.size() + 1;
    const std::size_t close = start < line.size() ? line.find('"', start) : std::string_view::npos;
    if (close == std::string_view::npos)
        FailMerge(platform::ErrorNumber::InvalidArgument);
    return ParseLeadingNumber(line.substr(start, close - start));
}

} // namespace

std::size_t MergeClipGroups(MergeContext& context, std::size_t opening)
{
    const SessionLines& lines = context.session1;
    MergeState& state = context.state;
    context.out.WriteLine(lines[opening]);
    state.lastClipGroupId = 0;
    std::size_t j = opening + 1;
    for (; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        if (const auto idAt = line.find(Marker::Id); idAt != std::string_view::npos)
            state.lastClipGroupId = session1GroupId(line, idAt);
        if (StartsWith(line, "</clipGroups>"))
            break;
        context.out.WriteLine(line);
    }
    if (state.clipGroupsLine2 == 0) {
        if (j < lines.size())
            context.out.WriteLine(lines[j]);
    } else {
        // Session 2's closing line stands in for session 1's.
        appendSession2ClipGroups(context);
    }
    return std::min(j, lines.size() - 1);
}

std::size_t FillEmptyClipGroups(MergeContext& context, std::size_t opening)
{
    if (context.state.clipGroupsLine2 == 0)
        context.out.WriteLine(context.session1[opening]);
    else
        copySession2ClipGroups(context);
    return opening;
}

std::size_t CopyMetronome(MergeContext& context, std::size_t opening)
{
    MergeState& state = context.state;
    if (!state.hasClipGroups1 && state.clipGroupsLine2 > 0)
        copySession2ClipGroups(context);
    const SessionLines& lines = context.session1;
    const std::size_t end = BlockEnd(lines, opening, "</metronome>");
    for (std::size_t k = opening; k <= end; ++k) {
        const std::string_view line = lines[k];
        // The metronome plays into session 1's master, which has a new id now.
        const bool written = StartsWith(line, "<trackOutput ") &&
            WriteRenumbered(context.out, line, Marker::OutputId,
                [&](std::int32_t target) { return NewSession1Target(target, state); });
        if (!written)
            context.out.WriteLine(line);
    }
    return end;
}

} // namespace tandem::engine
