#pragma once

#include "line_numbers.h"

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tandem::verify {

// A finding before its offset is turned into a line number.
struct PlacedFinding {
    std::size_t offset = 0;
    std::string text;
};

// Collects the ids a session defines and the references to them while its
// elements are visited in document order, then reports what does not hold.
// References may come before what they name (a send to a later bus, clips
// before the file list), so they are resolved only at the end. The views
// point into the parsed text, which must outlive this.
class SessionReferences {
public:
    void Visit(const pugi::xml_node& element, std::size_t offset);
    std::vector<PlacedFinding> Resolve(const LineNumbers& lines) const;

private:
    enum class Kind { Track, MediaFile, ClipGroup, Clip, Output, Send, GroupMember };
    struct Use {
        Kind kind;
        std::string_view id;
        std::size_t offset;
        // Duplicates: where the id was first used. References: the clip's
        // name, or the id of the track or group that holds the reference.
        std::size_t firstOffset = 0;
        std::string_view owner = {};
    };
    using FirstUse = std::unordered_map<std::string_view, std::size_t>;

    void define(FirstUse& ids, Kind kind, std::string_view id, std::size_t offset);

    FirstUse tracks_;
    FirstUse files_;
    FirstUse clipGroups_;
    std::vector<std::size_t> masters_;
    std::vector<Use> duplicates_;
    std::vector<Use> references_;
};

} // namespace tandem::verify
