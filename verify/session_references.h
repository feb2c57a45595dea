#pragma once

#include "line_numbers.h"

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tandem::verify {

// The offset of an element's name in the parsed text.
inline std::size_t OffsetOf(const pugi::xml_node& node) { return static_cast<std::size_t>(node.offset_debug()); }

// A finding before its offset is turned into a line number.
struct PlacedFinding {
    std::size_t offset = 0;
    std::string text;
};

// Collects the ids a session defines and the references to them while its
// elements are visited in document order, then reports what does not hold.
// References may come before what they name (a send to a later bus, clips
// before the file list), so they are resolved only at the end. Elements are
// kept as handles and placed (a walk up to the document) only when they
// make a finding. The views and handles point into the parsed document,
// which must outlive this.
class SessionReferences {
public:
    void Visit(const pugi::xml_node& element);
    std::vector<PlacedFinding> Resolve(const LineNumbers& lines) const;

private:
    enum class Kind { Track, MediaFile, ClipGroup, Clip, Output, Send, GroupMember };
    struct Use {
        Kind kind;
        std::string_view id;
        pugi::xml_node element;
        // Duplicates: where the id was first used. References: the clip's
        // name, or the id of the track or group that holds the reference.
        pugi::xml_node first = {};
        std::string_view owner = {};
    };
    using FirstUse = std::unordered_map<std::string_view, pugi::xml_node>;

    void define(FirstUse& ids, Kind kind, std::string_view id, const pugi::xml_node& element);

    FirstUse tracks_;
    FirstUse files_;
    FirstUse clipGroups_;
    std::vector<pugi::xml_node> masters_;
    std::vector<Use> duplicates_;
    std::vector<Use> references_;
};

} // namespace tandem::verify
