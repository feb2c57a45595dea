#include "track_merge.h"

#include "attributes.h"
#include "line_tests.h"
#include "numbers.h"
#include "renumbering.h"

#include <algorithm>

namespace tandem::engine {

namespace {

// A routing line of session 1: re-pointed only when it targets session 1's
// own master; written unchanged otherwise.
void writeSession1Routing(MergeContext& context, std::string_view line, std::string_view marker)
{
    if (HasClosedAttribute(line, marker)) {
        if (const auto target = NewSession1Target(*ReadAttributeNumber(line, marker), context.state)) {
            context.out.WriteLine(*ReplaceAttributeValue(line, marker, *target));
            return;
        }
    }
    context.out.WriteLine(line);
}

// A routing line of session 2. Returns false when the line lacks the
// attribute or its closing quote (the caller decides about such lines).
bool writeSession2Routing(MergeContext& context, std::string_view line, std::string_view marker)
{
    if (!HasClosedAttribute(line, marker))
        return false;
    if (const auto target = NewSession2Target(*ReadAttributeNumber(line, marker), context.state))
        context.out.WriteLine(*ReplaceAttributeValue(line, marker, *target));
    else
        context.out.WriteLine(line);
    return true;
}

// Session 2's clips and video clips name their media by file id.
void writeWithNewFileId(MergeContext& context, std::string_view line)
{
    if (HasClosedAttribute(line, Marker::FileId)) {
        const std::int32_t fileId = *ReadAttributeNumber(line, Marker::FileId);
        context.out.WriteLine(*ReplaceAttributeValue(line, Marker::FileId, NewFileId(fileId, context.state)));
    } else {
        context.out.WriteLine(line);
    }
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
    const std::int32_t newIndex = NewTrackIndex(*index, context.state);
    context.state.maxNewIndex = std::max(context.state.maxNewIndex, newIndex);
    context.out.WriteLine(ReplaceIdAndIndex(line, newId, newIndex));
}

std::size_t insertAudioTrack(MergeContext& context, std::size_t trackLine)
{
    const SessionLines& lines = context.session2;
    writeSession2TrackLine(context, lines[trackLine]);
    std::size_t k = trackLine + 1;
    for (; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (StartsWith(line, "<audioClip ") && Contains(line, Marker::FileId)) {
            writeWithNewFileId(context, line);
        } else if (StartsWith(line, "</audioTrack>")) {
            context.out.WriteLine(line);
            return k;
        } else if (StartsWith(line, "<trackOutput ")) {
            writeSession2Routing(context, line, Marker::OutputId);
        } else if (StartsWith(line, "<sendSlot ")) {
            if (!writeSession2Routing(context, line, Marker::SendOutputId))
                context.out.WriteLine(line);
        } else {
            context.out.WriteLine(line);
        }
    }
    return k - 1;
}

std::size_t insertBusTrack(MergeContext& context, std::size_t trackLine)
{
    const SessionLines& lines = context.session2;
    writeSession2TrackLine(context, lines[trackLine]);
    std::size_t k = trackLine + 1;
    for (; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (StartsWith(line, "<sendSlot ")) {
            writeSession2Routing(context, line, Marker::SendOutputId);
        } else if (StartsWith(line, "<trackOutput ")) {
            writeSession2Routing(context, line, Marker::OutputId);
        } else if (StartsWith(line, "</busTrack>")) {
            context.out.WriteLine(line);
            return k;
        } else {
            context.out.WriteLine(line);
        }
    }
    return k - 1;
}

// Session 2's video track is written only when session 1 has not written
// its own before its master track: a session holds one video track.
std::size_t insertVideoTrack(MergeContext& context, std::size_t trackLine)
{
    const SessionLines& lines = context.session2;
    const std::size_t end = BlockEnd(lines, trackLine, "</videoTrack>");
    if (!context.state.videoWritten1)
        for (std::size_t k = trackLine; k <= end; ++k)
            writeWithNewFileId(context, lines[k]);
    return end;
}

// Writes session 2's tracks in their order. Its master track and session
// state are left out; the walk notes where session 2's clip groups and file
// list stand and ends at the file list.
void insertSession2Tracks(MergeContext& context)
{
    const SessionLines& lines = context.session2;
    for (std::size_t j = FindLineStartingWith(lines, 0, "<tracks>") + 1; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        if (StartsWith(line, "<videoTrack "))
            j = insertVideoTrack(context, j);
        else if (StartsWith(line, "<audioTrack "))
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
    const SessionLines& lines = context.session1;
    MergeState& state = context.state;
    const std::string_view trackHeader = lines[trackLine];
    if (const auto id = ReadAttributeNumber(trackHeader, Marker::Id))
        state.maxTrackId = std::max(state.maxTrackId, *id);
    if (const auto index = ReadAttributeNumber(trackHeader, Marker::Index))
        state.maxTrackIndex = std::max(state.maxTrackIndex, *index);
    context.out.WriteLine(trackHeader);
    std::size_t k = trackLine + 1;
    for (; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        if (StartsWith(line, "<trackOutput ")) {
            writeSession1Routing(context, line, Marker::OutputId);
        } else if (StartsWith(line, "<sendSlot ")) {
            writeSession1Routing(context, line, Marker::SendOutputId);
        } else if (StartsWith(line, "</audioTrack>") || StartsWith(line, "</busTrack>")) {
            context.out.WriteLine(line);
            return k;
        } else {
            context.out.WriteLine(line);
        }
    }
    return k - 1;
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
