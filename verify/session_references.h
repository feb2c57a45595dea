#pragma once

#include "line_counter.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tandem::verify {

// A finding before its position is turned into a line number.
struct PlacedFinding {
    TextPosition at;
    std::string text;
};

// Collects the ids a session defines and the references to them as its
// elements are read, then reports what does not hold. References may come
// before what they name (a send to a later bus, clips before the file
// list), so they are resolved only at the end.
class SessionReferences {
public:
    enum class Defines { Track, MediaFile, ClipGroup };
    enum class Refers { Clip, Output, Send, GroupMember };

    void Define(Defines kind, std::string_view id, TextPosition at);
    void Master(TextPosition at);
    // `owner`: the clip's name, or the id of the track or group that holds
    // the reference.
    void Refer(Refers kind, std::string_view target, TextPosition at, std::string_view owner);
    std::vector<PlacedFinding> Resolve(const LineCounter& lines) const;

private:
    struct Use {
        std::string id;
        TextPosition at;
        TextPosition first;
    };
    // A reference's texts stand in `texts_`, one after the other: a
    // session holds a reference in nearly every clip, and a string of its
    // own for each would be an allocation each.
    struct Reference {
        Refers kind;
        std::size_t targetSize;
        std::size_t ownerSize;
        TextPosition at;
    };
    using FirstUse = std::unordered_map<std::string, TextPosition>;

    FirstUse& ids(Defines kind);

    FirstUse tracks_;
    FirstUse files_;
    FirstUse clipGroups_;
    std::vector<TextPosition> masters_;
    std::vector<std::pair<Defines, Use>> duplicates_;
    std::vector<Reference> references_;
    std::string texts_;
};

// Only track ids above the master's (10000) are references to check: lower
// outputs and sends are hardware ports or unused slots ("0").
bool NamesATrackAboveMaster(std::string_view id);

} // namespace tandem::verify
