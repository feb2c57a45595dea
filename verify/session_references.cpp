#include "session_references.h"

#include <charconv>
#include <utility>

namespace tandem::verify {

namespace {

constexpr long long masterTrackId = 10000;

enum class Element { Other, Track, MasterTrack, File, ClipGroup, Clip, TrackOutput, SendSlot, Item };

// Most elements of a session are none of these; comparing views rejects
// them by length before any character is compared.
Element classify(const pugi::xml_node& node)
{
    static constexpr std::pair<std::string_view, Element> known[] = {
        { "audioTrack", Element::Track },
        { "busTrack", Element::Track },
        { "videoTrack", Element::Track },
        { "metronomeTrack", Element::Track },
        { "masterTrack", Element::MasterTrack },
        { "file", Element::File },
        { "clipGroup", Element::ClipGroup },
        { "audioClip", Element::Clip },
        { "videoClip", Element::Clip },
        { "trackOutput", Element::TrackOutput },
        { "sendSlot", Element::SendSlot },
        { "item", Element::Item },
    };
    const std::string_view name = node.name();
    for (const auto& [knownName, element] : known)
        if (name == knownName)
            return element;
    return Element::Other;
}

bool named(const pugi::xml_node& node, std::string_view name) { return node.name() == name; }

bool isTrack(const pugi::xml_node& element)
{
    const Element kind = classify(element);
    return kind == Element::Track || kind == Element::MasterTrack;
}

std::string_view valueOf(const pugi::xml_node& element, const char* attribute)
{
    return element.attribute(attribute).value();
}

// Only track ids above the master's are checked: lower outputs and sends
// are hardware ports or unused slots ("0").
bool namesATrackAboveMaster(std::string_view id)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), value);
    return error == std::errc() && end == id.data() + id.size() && value > masterTrackId;
}

// The id of the track that holds a track output or a send.
std::string_view owningTrackId(pugi::xml_node node)
{
    for (node = node.parent(); node; node = node.parent())
        if (isTrack(node))
            return valueOf(node, "id");
    return {};
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string duplicateText(std::string_view what, std::string_view id, std::size_t firstLine)
{
    return std::string(what) + " id " + std::string(id) + " is used a second time (first on line " +
        std::to_string(firstLine) + ").";
}

} // namespace

void SessionReferences::define(FirstUse& ids, Kind kind, std::string_view id, std::size_t offset)
{
    const auto [first, added] = ids.emplace(id, offset);
    if (!added)
        duplicates_.push_back({ kind, id, offset, first->second });
}

void SessionReferences::Visit(const pugi::xml_node& element, std::size_t offset)
{
    switch (classify(element)) {
    case Element::MasterTrack:
        masters_.push_back(offset);
        [[fallthrough]];
    case Element::Track:
        if (const auto id = element.attribute("id"))
            define(tracks_, Kind::Track, id.value(), offset);
        break;
    case Element::File:
        if (const auto id = element.attribute("id"); id && named(element.parent(), "files"))
            define(files_, Kind::MediaFile, id.value(), offset);
        break;
    case Element::ClipGroup:
        if (const auto id = element.attribute("id"); id && named(element.parent(), "clipGroups"))
            define(clipGroups_, Kind::ClipGroup, id.value(), offset);
        break;
    case Element::Clip:
        if (const auto fileId = element.attribute("fileID"))
            references_.push_back({ Kind::Clip, fileId.value(), offset, 0, valueOf(element, "name") });
        break;
    case Element::TrackOutput: {
        const std::string_view type = valueOf(element, "type");
        const std::string_view target = valueOf(element, "outputID");
        if ((type.empty() || type == "trackID") && namesATrackAboveMaster(target))
            references_.push_back({ Kind::Output, target, offset, 0, owningTrackId(element) });
        break;
    }
    case Element::SendSlot: {
        const std::string_view target = valueOf(element, "sendOutputID");
        if (namesATrackAboveMaster(target))
            references_.push_back({ Kind::Send, target, offset, 0, owningTrackId(element) });
        break;
    }
    case Element::Item:
        if (named(element.parent(), "clipGroup"))
            references_.push_back(
                { Kind::GroupMember, valueOf(element, "trackID"), offset, 0, valueOf(element.parent(), "id") });
        break;
    case Element::Other:
        break;
    }
}

std::vector<PlacedFinding> SessionReferences::Resolve(const LineNumbers& lines) const
{
    std::vector<PlacedFinding> findings;
    for (std::size_t i = 1; i < masters_.size(); ++i)
        findings.push_back({ masters_[i],
            "There is more than one master track (the first is on line " + std::to_string(lines.LineOf(masters_[0])) +
                ")." });
    for (const Use& use : duplicates_) {
        const std::size_t firstLine = lines.LineOf(use.firstOffset);
        const char* what = use.kind == Kind::Track ? "Track"
            : use.kind == Kind::MediaFile          ? "Media file"
                                                   : "Clip group";
        findings.push_back({ use.offset, duplicateText(what, use.id, firstLine) });
    }
    for (const Use& use : references_) {
        const std::string target(use.id);
        const std::string owner(use.owner);
        switch (use.kind) {
        case Kind::Clip:
            if (!files_.count(use.id))
                findings.push_back({ use.offset,
                    "Clip " + quoted(use.owner) + " uses media file " + target + ", which is not in the file list." });
            break;
        case Kind::Output:
            if (!tracks_.count(use.id))
                findings.push_back({ use.offset,
                    (owner.empty() ? std::string("A track") : "Track " + owner) + " sends its output to track " +
                        target + ", which does not exist." });
            break;
        case Kind::Send:
            if (!tracks_.count(use.id))
                findings.push_back({ use.offset,
                    (owner.empty() ? std::string("A send") : "A send of track " + owner) + " goes to track " + target +
                        ", which does not exist." });
            break;
        case Kind::GroupMember:
            if (!tracks_.count(use.id))
                findings.push_back({ use.offset,
                    target.empty()
                        ? "Clip group " + owner + " has a clip that names no track."
                        : "Clip group " + owner + " has a clip on track " + target + ", which does not exist." });
            break;
        default:
            break;
        }
    }
    return findings;
}

} // namespace tandem::verify
