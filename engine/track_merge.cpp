#include "track_merge.h"

#include "attributes.h"
#include "line_tests.h"
#include "numbers.h"
#include "renumbering.h"

#include <algorithm>

namespace tandem::engine {

namespace {

// A routing line of session 1 is re-pointed only when it targets session
// 1's own master; otherwise, and without the attribute, it stays as it is.
void writeSession1Routing(MergeContext& context, std::string_view line, std::string_view marker)
{
    if (!WriteRenumbered(
            context.out, line, marker, [&](std::int32_t target) { return NewSession1Target(target, context.state); }))
        context.out.WriteLine(line);
}

// A routing line of session 2; false when it lacks the attribute or its
// closing quote. A track left out takes nothing in: what went there goes to
// the master, as what went to session 2's own master does.
bool writeSession2Routing(MergeContext& context, std::string_view line, std::string_view marker)
{
    return WriteRenumbered(context.out, line, marker, [&](std::int32_t target) {
        return context.choices.LeftOut(target) ? std::optional<std::int32_t>(context.state.masterId)
                                               : NewSession2Target(target, context.state);
    });
}

// Session 2's clips and video clips name their media by file id.
void writeWithNewFileId(MergeContext& context, std::string_view line)
{
    if (!WriteRenumbered(context.out, line, Marker::FileId,
            [&](std::int32_t fileId) { return std::optional<std::int32_t>(NewFileId(fileId, context.state)); }))
        context.out.WriteLine(line);
}

// A clip of session 2 also moves with session 2 in time.
void writeSession2Clip(MergeContext& context, std::string_view line)
{
    const std::int64_t offset = context.choices.offset;
    if (offset == 0) {
        writeWithNewFileId(context, line);
        return;
    }
    const auto moved = [&](std::string_view marker) {
        const auto point = HasClosedAttribute(line, marker) ? ReadAttributeTime(line, marker) : std::nullopt;
        // A point that cannot be read is not written over.
        return point ? AttributeValue{ marker, CheckedAdd64(*point, offset) } : AttributeValue{ {}, 0 };
    };
    const AttributeValue fileId = HasClosedAttribute(line, Marker::FileId)
        ? AttributeValue{ Marker::FileId, NewFileId(*ReadAttributeNumber(line, Marker::FileId), context.state) }
        : AttributeValue{ {}, 0 };
    context.out.WriteLine(ReplaceAttributeValues(line, { fileId, moved(Marker::StartPoint), moved(Marker::EndPoint) }));
}

// Track automation lies on the session's time line and moves with session
// 2 when it is placed; keyframes inside a clip count from the clip's start
// and stay.
void writeSession2Keyframe(MergeContext& context, std::string_view line)
{
    const auto offset =
        HasClosedAttribute(line, Marker::SampleOffset) ? ReadAttributeTime(line, Marker::SampleOffset) : std::nullopt;
    if (!offset)
        context.out.WriteLine(line);
    else
        context.out.WriteLine(
            *ReplaceAttributeValue(line, Marker::SampleOffset, CheckedAdd64(*offset, context.choices.offset)));
}

// With some of session 2's tracks left out, the written ones take the
// indexes after session 1's one after the other, in their own order.
std::int32_t newSession2Index(std::int32_t index, const MergeContext& context)
{
    const std::vector<std::int32_t>& kept = context.choices.keptIndexes;
    if (context.choices.kept.empty())
        return NewTrackIndex(index, context.state);
    const auto rank = std::lower_bound(kept.begin(), kept.end(), index) - kept.begin();
    return CheckedAdd(context.state.maxTrackIndex, rank + 1);
}

// A session 2 "<audioTrack " or "<busTrack " line gets its new id and index;
// a line without an id, its closing quote or an index is left out.
void writeSession2TrackLine(MergeContext& context, std::string_view line)
{
    if (!HasClosedAttribute(line, Marker::Id))
        return;
    const std::int32_t newId = NewTrackId(*ReadAttributeNumber(line, Marker::Id), context.state);
    const auto index = ReadAttributeNumber(line, Marker::Index);
    if (!index)
        return;
    const std::int32_t newIndex = newSession2Index(*index, context);
    context.state.maxNewIndex = std::max(context.state.maxNewIndex, newIndex);
    context.out.WriteLine(ReplaceIdAndIndex(line, newId, newIndex));
}

// Writes the lines after a track line up to and including the one that
// closes the track, each through `writeBodyLine`. Returns the closing line's
// position (the last position when the track is never closed).
template <typename IsClosing, typename WriteBodyLine>
std::size_t copyTrackBody(MergeContext& context, const SessionLines& lines, std::size_t trackLine, IsClosing isClosing,
    WriteBodyLine writeBodyLine)
{
    for (std::size_t k = trackLine + 1; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (isClosing(line)) {
            context.out.WriteLine(line);
            return k;
        }
        writeBodyLine(line);
    }
    return lines.size() - 1;
}

std::size_t insertAudioTrack(MergeContext& context, std::size_t trackLine)
{
    writeSession2TrackLine(context, context.session2[trackLine]);
    const bool placed = context.choices.offset != 0;
    bool inClip = false;
    return copyTrackBody(
        context, context.session2, trackLine, [](std::string_view line) { return StartsWith(line, "</audioTrack>"); },
        [&](std::string_view line) {
            if (StartsWith(line, "<audioClip ") && (placed || Contains(line, Marker::FileId))) {
                writeSession2Clip(context, line);
                inClip = line.size() < 2 || line.substr(line.size() - 2) != "/>";
            } else if (StartsWith(line, "</audioClip>")) {
                inClip = false;
                context.out.WriteLine(line);
            } else if (placed && !inClip && StartsWith(line, "<parameterKeyframe "))
                writeSession2Keyframe(context, line);
            else if (StartsWith(line, "<trackOutput "))
                writeSession2Routing(context, line, Marker::OutputId);
            else if (StartsWith(line, "<sendSlot ")) {
                // A send without its target passes as it is.
                if (!writeSession2Routing(context, line, Marker::SendOutputId))
                    context.out.WriteLine(line);
            } else
                context.out.WriteLine(line);
        });
}

// Routing lines of a bus without their attribute are left out.
std::size_t insertBusTrack(MergeContext& context, std::size_t trackLine)
{
    writeSession2TrackLine(context, context.session2[trackLine]);
    return copyTrackBody(
        context, context.session2, trackLine, [](std::string_view line) { return StartsWith(line, "</busTrack>"); },
        [&](std::string_view line) {
            if (StartsWith(line, "<sendSlot "))
                writeSession2Routing(context, line, Marker::SendOutputId);
            else if (StartsWith(line, "<trackOutput "))
                writeSession2Routing(context, line, Marker::OutputId);
            else if (context.choices.offset != 0 && StartsWith(line, "<parameterKeyframe "))
                writeSession2Keyframe(context, line);
            else
                context.out.WriteLine(line);
        });
}

// Session 2's video track is written only when session 1 has not written
// its own before its master track: a session holds one video track.
std::size_t insertVideoTrack(MergeContext& context, std::size_t trackLine)
{
    const SessionLines& lines = context.session2;
    const std::size_t end = BlockEnd(lines, trackLine, "</videoTrack>");
    if (!context.state.videoWritten1)
        for (std::size_t k = trackLine; k <= end; ++k) {
            if (StartsWith(lines[k], "<videoClip "))
                writeSession2Clip(context, lines[k]);
            else
                writeWithNewFileId(context, lines[k]);
        }
    return end;
}

// Writes session 2's tracks in their order. Its master track and session
// state are left out; the walk notes where session 2's clip groups and file
// list stand and ends at the file list.
void insertSession2Tracks(MergeContext& context)
{
    const SessionLines& lines = context.session2;
    int position = 0;
    for (std::size_t j = FindLineStartingWith(lines, 0, "<tracks>") + 1; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        const bool audio = StartsWith(line, "<audioTrack ");
        if (StartsWith(line, "<videoTrack "))
            j = insertVideoTrack(context, j);
        else if ((audio || StartsWith(line, "<busTrack ")) && !context.choices.Keeps(++position))
            j = BlockEnd(lines, j, audio ? "</audioTrack>" : "</busTrack>");
        else if (audio)
            j = insertAudioTrack(context, j);
        else if (StartsWith(line, "<busTrack "))
            j = insertBusTrack(context, j);
        else if (StartsWith(line, "<masterTrack "))
            j = BlockEnd(lines, j, "</masterTrack>");
        else if (StartsWith(line, "<sessionState "))
            j = BlockEnd(lines, j, "</sessionState>");
        else if (StartsWith(line, "<clipGroups>"))
            context.state.clipGroupsLine2 = j;
        else if (StartsWith(line, "<files")) {
            context.state.filesLine2 = j;
            return;
        }
    }
}

std::size_t copySession1Track(MergeContext& context, std::size_t trackLine)
{
    MergeState& state = context.state;
    const std::string_view trackHeader = context.session1[trackLine];
    if (const auto id = ReadAttributeNumber(trackHeader, Marker::Id))
        state.maxTrackId = std::max(state.maxTrackId, *id);
    if (const auto index = ReadAttributeNumber(trackHeader, Marker::Index))
        state.maxTrackIndex = std::max(state.maxTrackIndex, *index);
    context.out.WriteLine(trackHeader);
    return copyTrackBody(
        context, context.session1, trackLine,
        [](std::string_view line) { return StartsWith(line, "</audioTrack>") || StartsWith(line, "</busTrack>"); },
        [&](std::string_view line) {
            if (StartsWith(line, "<trackOutput "))
                writeSession1Routing(context, line, Marker::OutputId);
            else if (StartsWith(line, "<sendSlot "))
                writeSession1Routing(context, line, Marker::SendOutputId);
            else
                context.out.WriteLine(line);
        });
}

std::size_t mergeAtMasterTrack(MergeContext& context, std::size_t masterLine)
{
    MergeState& state = context.state;
    state.maxTrackIndex = CheckedAdd(state.maxTrackIndex, 1);
    // Session 2's tracks go in once, even should session 1 hold a second
    // master track.
    if (!state.session2TracksInserted) {
        state.session2TracksInserted = true;
        insertSession2Tracks(context);
    }
    const std::string_view line = context.session1[masterLine];
    if (HasClosedAttribute(line, Marker::Id) && Contains(line, Marker::Index))
        context.out.WriteLine(ReplaceIdAndIndex(line, state.masterId, NewMasterIndex(state)));
    const std::size_t end = BlockEnd(context.session1, masterLine, "</masterTrack>");
    WriteLines(context.session1, masterLine + 1, end, context.out);
    return end;
}

} // namespace

std::size_t MergeTracks(MergeContext& context, std::size_t tracksLine)
{
    const SessionLines& lines = context.session1;
    context.out.WriteLine(lines[tracksLine]);
    for (std::size_t j = tracksLine + 1; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        if (StartsWith(line, "<audioTrack ") || StartsWith(line, "<busTrack ")) {
            j = copySession1Track(context, j);
        } else if (StartsWith(line, "<videoTrack ")) {
            context.state.videoWritten1 = true;
            const std::size_t end = BlockEnd(lines, j, "</videoTrack>");
            WriteLines(lines, j, end, context.out);
            j = end;
        } else if (StartsWith(line, "<masterTrack ")) {
            j = mergeAtMasterTrack(context, j);
        } else if (StartsWith(line, "</tracks>")) {
            context.out.WriteLine(line);
            return j;
        }
    }
    return lines.size() - 1;
}

} // namespace tandem::engine
