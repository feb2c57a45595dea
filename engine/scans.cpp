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
            while (stop_ < lines_.size() && !StartsWith(lines_[stop_], "<xmpDM:markers>") &&
                !StartsWith(lines_[stop_], "</rdf:li>"))
                ++stop_;
        }
        return stop_ < lines_.size() && StartsWith(lines_[stop_], "<xmpDM:markers>") ? stop_ : 0;
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

} // namespace

void Scan1(const SessionLines& session1, MergeState& state)
{
    for (std::size_t i = 1; i < session1.size(); ++i) {
        const std::string_view line = session1[i];
        if (StartsWith(line, "<file ")) {
            if (const auto id = ReadAttributeNumber(line, Marker::Id))
                state.maxFileId = std::max(state.maxFileId, *id);
        } else if (StartsWith(line, "<masterTrack ")) {
            if (const auto id = ReadAttributeNumber(line, Marker::Id)) {
                state.masterId = *id;
                state.ownMasterId1 = *id;
            }
        } else if (StartsWith(line, "</files>")) {
            return;
        }
    }
}

void Scan2(const SessionLines& session2, MergeState& state)
{
    MarkerListFinder finder(session2);
    std::size_t i = 1;
    while (i < session2.size()) {
        const std::string_view line = session2[i];
        if (StartsWith(line, "<clipGroups>")) {
            state.clipGroupsLine2 = i;
        } else if (StartsWith(line, "<AEScart:Version>")) {
            state.cartLine2 = i;
        } else if (StartsWith(line, "<rdf:Bag>")) {
            i = scanMarkerBag(
                session2, i, { state.cueMarkersLine2, state.cdMarkersLine2, state.subclipMarkersLine2 }, finder);
            continue;
        } else if (StartsWith(line, "<files>")) {
            state.filesLine2 = i;
        } else if (StartsWith(line, "<masterTrack ")) {
            if (const auto id = ReadAttributeNumber(line, Marker::Id)) {
                state.masterId = NewMasterId(state.masterId, *id);
                state.ownMasterId2 = *id;
            }
        }
        ++i;
    }
}

namespace {

// The ids of the audio and bus track lines between a session's "<tracks>"
// line and `stop`, as the writing pass meets them.
std::vector<std::int32_t> trackIds(const SessionLines& lines, std::string_view stop)
{
    std::vector<std::int32_t> ids;
    for (std::size_t i = FindLineStartingWith(lines, 0, "<tracks>") + 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // Nearly every line of a track is none of these: the second
        // character tells most apart before any whole prefix is compared.
        if (line.size() < 2 || line[0] != '<' ||
            (line[1] != 'a' && line[1] != 'b' && line[1] != stop[1] && line[1] != '/'))
            continue;
        if (StartsWith(line, stop) || StartsWith(line, "</tracks>"))
            break;
        if (StartsWith(line, "<audioTrack ") || StartsWith(line, "<busTrack "))
            if (const auto id = ReadAttributeNumber(line, Marker::Id))
                ids.push_back(*id);
    }
    return ids;
}

} // namespace

void AvoidMasterIdCollision(const SessionLines& session1, const SessionLines& session2, MergeState& state)
{
    if (!state.ownMasterId1)
        return;
    const std::vector<std::int32_t> ids1 = trackIds(session1, "<masterTrack ");
    MergeState shifted = state;
    shifted.maxTrackId = ids1.empty() ? 0 : *std::max_element(ids1.begin(), ids1.end());
    std::int32_t highest = shifted.maxTrackId;
    bool collides = std::find(ids1.begin(), ids1.end(), state.masterId) != ids1.end();
    for (const std::int32_t id : trackIds(session2, "<files")) {
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
        const std::string_view line = session1[i];
        if (StartsWith(line, "<rdf:Bag>")) {
            i = scanMarkerBag(
                session1, i, { state.cueMarkersLine1, state.cdMarkersLine1, state.subclipMarkersLine1 }, finder);
            continue;
        } else if (StartsWith(line, "<clipGroups>")) {
            state.hasClipGroups1 = true;
        }
        ++i;
    }
}

} // namespace tandem::engine
