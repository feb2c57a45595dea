#include "session_references.h"

#include <charconv>
#include <cstring>

namespace tandem::verify {

namespace {

constexpr long long masterTrackId = 10000;

enum class Element { Other, Track, MasterTrack, File, ClipGroup, Clip, TrackOutput, SendSlot, Item };

// Most elements of a session are none of these; the first letter rules
// out nearly all of them before any whole name is compared.
Element classify(const pugi::xml_node& node)
{
    const char* name = node.name();
    const auto is = [name](const char* known) { return std::strcmp(name, known) == 0; };
    switch (name[0]) {
    case 'a':
        return is("audioTrack") ? Element::Track : is("audioClip") ? Element::Clip : Element::Other;
    case 'b':
        return is("busTrack") ? Element::Track : Element::Other;
    case 'c':
        return is("clipGroup") ? Element::ClipGroup : Element::Other;
    case 'f':
        return is("file") ? Element::File : Element::Other;
    case 'i':
        return is("item") ? Element::Item : Element::Other;
    case 'm':
        return is("masterTrack") ? Element::MasterTrack : is("metronomeTrack") ? Element::Track : Element::Other;
    case 's':
        return is("sendSlot") ? Element::SendSlot : Element::Other;
    case 't':
        return is("trackOutput") ? Element::TrackOutput : Element::Other;
    case 'v':
        return is("videoTrack") ? Element::Track : is("videoClip") ? Element::Clip : Element::Other;
    default:
        return Element::Other;
    }
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
    if (end != id.data() + id.size())
        return false;
    // Too large for any number is above the master too.
    return (error == std::errc() && value > masterTrackId) || (error == std::errc::result_out_of_range && id[0] != '-');
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

void SessionReferences::define(FirstUse& ids, Kind kind, std::string_view id, const pugi::xml_node& element)
{
    const auto [first, added] = ids.emplace(id, element);
    if (!added)
        duplicates_.push_back({ kind, id, element, first->second });
}

void SessionReferences::Visit(const pugi::xml_node& element)
{
    switch (classify(element)) {
    case Element::MasterTrack:
        masters_.push_back(element);
        [[fallthrough]];
    case Element::Track:
        if (const auto id = element.attribute("id"))
            define(tracks_, Kind::Track, id.value(), element);
        break;
    case Element::File:
        if (const auto id = element.attribute("id"); id && named(element.parent(), "files"))
            define(files_, Kind::MediaFile, id.value(), element);
        break;
    case Element::ClipGroup:
        if (const auto id = element.attribute("id"); id && named(element.parent(), "clipGroups"))
            define(clipGroups_, Kind::ClipGroup, id.value(), element);
        break;
    case Element::Clip:
        if (const auto fileId = element.attribute("fileID"))
            references_.push_back({ Kind::Clip, fileId.value(), element, {}, valueOf(element, "name") });
        break;
    case Element::TrackOutput: {
        const std::string_view type = valueOf(element, "type");
        const std::string_view target = valueOf(element, "outputID");
        if ((type.empty() || type == "trackID") && namesATrackAboveMaster(target))
            references_.push_back({ Kind::Output, target, element, {}, owningTrackId(element) });
        break;
    }
    case Element::SendSlot: {
        const std::string_view target = valueOf(element, "sendOutputID");
        if (namesATrackAboveMaster(target))
            references_.push_back({ Kind::Send, target, element, {}, owningTrackId(element) });
        break;
    }
    case Element::Item:
        if (named(element.parent(), "clipGroup"))
            references_.push_back(
                { Kind::GroupMember, valueOf(element, "trackID"), element, {}, valueOf(element.parent(), "id") });
        break;
    case Element::Other:
        break;
    }
}

std::vector<PlacedFinding> SessionReferences::Resolve(const LineNumbers& lines) const
{
    std::vector<PlacedFinding> findings;
    for (std::size_t i = 1; i < masters_.size(); ++i)
        findings.push_back({ OffsetOf(masters_[i]),
            "There is more than one master track (the first is on line " +
                std::to_string(lines.LineOf(OffsetOf(masters_[0]))) + ")." });
    for (const Use& use : duplicates_) {
        const std::size_t firstLine = lines.LineOf(OffsetOf(use.first));
        const char* what = use.kind == Kind::Track ? "Track"
            : use.kind == Kind::MediaFile          ? "Media file"
                                                   : "Clip group";
        findings.push_back({ OffsetOf(use.element), duplicateText(what, use.id, firstLine) });
    }
    for (const Use& use : references_) {
        const std::string target(use.id);
        const std::string owner(use.owner);
        switch (use.kind) {
        case Kind::Clip:
            if (!files_.count(use.id))
                findings.push_back({ OffsetOf(use.element),
                    "Clip " + quoted(use.owner) + " uses media file " + target + ", which is not in the file list." });
            break;
        case Kind::Output:
            if (!tracks_.count(use.id))
                findings.push_back({ OffsetOf(use.element),
                    (owner.empty() ? std::string("A track") : "Track " + owner) + " sends its output to track " +
                        target + ", which does not exist." });
            break;
        case Kind::Send:
            if (!tracks_.count(use.id))
                findings.push_back({ OffsetOf(use.element),
                    (owner.empty() ? std::string("A send") : "A send of track " + owner) + " goes to track " + target +
                        ", which does not exist." });
            break;
        case Kind::GroupMember:
            if (!tracks_.count(use.id))
                findings.push_back({ OffsetOf(use.element),
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
