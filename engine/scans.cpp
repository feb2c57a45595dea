#include "scans.h"

#include "attributes.h"
#include "line_tests.h"
#include "merge_context.h"
#include "numbers.h"
#include "renumbering.h"

#include <algorithm>
#include <vector>

namespace tandem::engine {

namespace {

struct MarkerPositions {
    std::size_t& cue;
    std::size_t& cd;
    std::size_t& subclip;
};

// Finds, for a line naming a marker kind, the "<xmpDM:markers>" line of that
// kind's own list. The search stops at the "</rdf:li>" that closes the kind's
// entry: a kind without entries has no list, and must not take the list of a
// kind after it. Searches start at ever later lines, so the last answer is
// reused while it still holds and the whole scan stays linear.
class MarkerListFinder {
public:
    explicit MarkerListFinder(const SessionLines& lines)
        : lines_(lines)
    {
    }

    std::size_t Find(std::size_t from)
    {
        if (from < searchedFrom_ || from > stop_) {
            searchedFrom_ = from;
            stop_ = from;
            while (stop_ < lines_.size() && !lines_.StartsWith(stop_, "<xmpDM:markers>") &&
                !lines_.StartsWith(stop_, "</rdf:li>"))
                ++stop_;
        }
        return stop_ < lines_.size() && lines_.StartsWith(stop_, "<xmpDM:markers>") ? stop_ : 0;
    }

private:
    const SessionLines& lines_;
    std::size_t searchedFrom_ = 1;
    std::size_t stop_ = 0;
};

// Walks a "<rdf:Bag>" of marker tracks from the line after `bag`, recording
// each kind's list. Returns the position after the bag's "</rdf:Bag>".
std::size_t scanMarkerBag(const SessionLines& lines, std::size_t bag, MarkerPositions found, MarkerListFinder& finder)
{
    std::size_t j = bag + 1;
    while (j < lines.size()) {
        const std::string_view line = lines[j];
        std::size_t* kind = nullptr;
        if (Contains(line, "CuePoint Markers"))
            kind = &found.cue;
        else if (Contains(line, "CD Track Markers"))
            kind = &found.cd;
        else if (Contains(line, "Subclip Markers"))
            kind = &found.subclip;
        else if (StartsWith(line, "</rdf:Bag>"))
            return j + 1;

        if (kind) {
            if (const std::size_t list = finder.Find(j + 1)) {
                *kind = list;
                j = list + 1;
                continue;
            }
        }
        ++j;
    }
    return j;
}

// Gathers the ids of the audio and bus track lines between a session's
// first "<tracks>" line and `stop`, as the writing pass meets them, from
// every line a scan passes, in order.
class TrackIdCollector {
public:
    explicit TrackIdCollector(std::string_view stop)
        : stop_(stop)
    {
    }

    // False once the tracks have ended: later lines change nothing.
    bool Wants() const { return phase_ != Phase::Ended; }

    void See(const SessionLines& lines, std::size_t position)
    {
        if (phase_ == Phase::Before) {
            if (lines.StartsWith(position, "<tracks>"))
                phase_ = Phase::Inside;
            return;
        }
        if (phase_ == Phase::Ended)
            return;
        if (lines.StartsWith(position, stop_) || lines.StartsWith(position, "</tracks>"))
            phase_ = Phase::Ended;
        else if (lines.StartsWith(position, "<audioTrack ") || lines.StartsWith(position, "<busTrack "))
            if (const auto id = ReadAttributeNumber(lines[position], Marker::Id))
                ids_.push_back(*id);
    }

    std::vector<std::int32_t> Ids() { return std::move(ids_); }

private:
    enum class Phase { Before, Inside, Ended };
    std::string_view stop_;
    Phase phase_ = Phase::Before;
    std::vector<std::int32_t> ids_;
};

} // namespace

void Scan1(const SessionLines& session1, MergeState& state, TrackIds& trackIds)
{
    TrackIdCollector tracks("<masterTrack ");
    if (session1.size() > 0)
        tracks.See(session1, 0);
    bool filesEnded = false;
    for (std::size_t i = 1; i < session1.size() && (!filesEnded || tracks.Wants()); ++i) {
        tracks.See(session1, i);
        if (filesEnded)
            continue;
        if (session1.StartsWith(i, "<file ")) {
            if (const auto id = ReadAttributeNumber(session1[i], Marker::Id))
                state.maxFileId = std::max(state.maxFileId, *id);
        } else if (session1.StartsWith(i, "<masterTrack ")) {
            if (const auto id = ReadAttributeNumber(session1[i], Marker::Id)) {
                state.masterId = *id;
                state.ownMasterId1 = *id;
            }
        } else if (session1.StartsWith(i, "</files>")) {
            filesEnded = true;
        }
    }
    trackIds.first = tracks.Ids();
}

void Scan2(const SessionLines& session2, MergeState& state, TrackIds& trackIds)
{
    MarkerListFinder finder(session2);
    TrackIdCollector tracks("<files");
    if (session2.size() > 0)
        tracks.See(session2, 0);
    std::size_t i = 1;
    while (i < session2.size()) {
        tracks.See(session2, i);
        if (session2.StartsWith(i, "<clipGroups>")) {
            state.clipGroupsLine2 = i;
        } else if (session2.StartsWith(i, "<AEScart:Version>")) {
            state.cartLine2 = i;
        } else if (session2.StartsWith(i, "<rdf:Bag>")) {
            const std::size_t next = scanMarkerBag(
                session2, i, { state.cueMarkersLine2, state.cdMarkersLine2, state.subclipMarkersLine2 }, finder);
            for (++i; i < next && tracks.Wants(); ++i)
                tracks.See(session2, i);
            i = next;
            continue;
        } else if (session2.StartsWith(i, "<files>")) {
            state.filesLine2 = i;
        } else if (session2.StartsWith(i, "<masterTrack ")) {
            if (const auto id = ReadAttributeNumber(session2[i], Marker::Id)) {
                state.masterId = NewMasterId(state.masterId, *id);
                state.ownMasterId2 = *id;
            }
        }
        ++i;
    }
    trackIds.second = tracks.Ids();
}

void AvoidMasterIdCollision(const TrackIds& trackIds, MergeState& state)
{
    if (!state.ownMasterId1)
        return;
    const std::vector<std::int32_t>& ids1 = trackIds.first;
    MergeState shifted = state;
    shifted.maxTrackId = ids1.empty() ? 0 : *std::max_element(ids1.begin(), ids1.end());
    std::int32_t highest = shifted.maxTrackId;
    bool collides = std::find(ids1.begin(), ids1.end(), state.masterId) != ids1.end();
    for (const std::int32_t id : trackIds.second) {
        const std::int32_t moved = NewTrackId(id, shifted);
        highest = std::max(highest, moved);
        collides = collides || moved == state.masterId;
    }
    if (collides)
        state.masterId = CheckedAdd(highest, 1);
}

void Scan3(const SessionLines& session1, MergeState& state)
{
    MarkerListFinder finder(session1);
    std::size_t i = 0;
    while (i < session1.size()) {
        if (session1.StartsWith(i, "<rdf:Bag>")) {
            i = scanMarkerBag(
                session1, i, { state.cueMarkersLine1, state.cdMarkersLine1, state.subclipMarkersLine1 }, finder);
            continue;
        } else if (session1.StartsWith(i, "<clipGroups>")) {
            state.hasClipGroups1 = true;
        }
        ++i;
    }
}

} // namespace tandem::engine
