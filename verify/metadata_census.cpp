#include "metadata_census.h"

namespace tandem::verify {

namespace {

// Longer names are none that the merge knows.
constexpr std::size_t longestTrackName = 64;

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

} // namespace

MetadataCensus::MetadataCensus(SessionContent& content, TextPosition at)
    : content_(content)
    , at_(at)
    , scanner_(*this)
{
}

void MetadataCensus::Read(std::string_view text)
{
    scanner_.Append(text);
    scanner_.Scan(false);
}

void MetadataCensus::Finish() { scanner_.Scan(true); }

std::optional<XmlError> MetadataCensus::Error() const
{
    if (!scanner_.Error())
        return std::nullopt;
    return XmlError{ at_ + scanner_.Error()->at, scanner_.Error()->text };
}

MetadataCensus::Element MetadataCensus::parent(std::size_t up) const
{
    return open_.size() > up ? open_[open_.size() - 1 - up] : Element::Other;
}

// The merge finds marker lists by their lines, so each of their tags must
// start a line.
void MetadataCensus::noteLineStart()
{
    if (!scanner_.TokenAtLineStart())
        content_.sharesLines[static_cast<std::size_t>(LineGroup::Markers)] = true;
}

void MetadataCensus::StartElement(std::string_view name, const std::vector<XmlAttribute>&)
{
    Element element = Element::Other;
    if (name == "rdf:Bag") {
        element = Element::Bag;
    } else if (name == "rdf:Seq") {
        element = Element::Seq;
        if (parent(0) == Element::Markers)
            noteLineStart();
    } else if (name == "rdf:li") {
        element = Element::ListItem;
        if (parent(0) == Element::Bag && parent(1) == Element::Tracks) {
            element = Element::MarkerTrack;
            trackName_.clear();
            trackEntries_ = 0;
        } else if (parent(0) == Element::Seq && parent(1) == Element::Markers) {
            element = Element::MarkerEntry;
            ++trackEntries_;
        }
        if (postTimers_ > 0)
            ++itemsInPostTimer_;
    } else if (name == "xmpDM:Tracks") {
        element = Element::Tracks;
    } else if (name == "xmpDM:markers") {
        element = Element::Markers;
        noteLineStart();
    } else if (name == "xmpDM:trackName") {
        element = Element::TrackName;
    } else if (startsWith(name, "AEScart:")) {
        // Version and the post timers are not carried over from another
        // session; every other cart entry is.
        if (name == "AEScart:PostTimer") {
            element = Element::CartPostTimer;
            ++postTimers_;
        } else if (name != "AEScart:Version" && itemsInPostTimer_ == 0) {
            element = Element::CartEntry;
            ++content_[Content::CartEntries];
        }
    }
    open_.push_back(element);
}

void MetadataCensus::endMarkerTrack()
{
    static constexpr std::string_view kinds[] = { "CuePoint Markers", "CD Track Markers", "Subclip Markers" };
    static constexpr Content counts[] = { Content::CueMarkers, Content::CdMarkers, Content::SubclipMarkers };
    for (std::size_t k = 0; k < 3; ++k)
        if (trackName_ == kinds[k]) {
            content_.namesMarkerKind[k] = true;
            content_[counts[k]] += trackEntries_;
            return;
        }
    content_[Content::OtherMarkers] += trackEntries_;
}

void MetadataCensus::EndElement(std::string_view)
{
    const Element element = open_.empty() ? Element::Other : open_.back();
    if (!open_.empty())
        open_.pop_back();
    switch (element) {
    case Element::MarkerTrack:
        noteLineStart();
        endMarkerTrack();
        break;
    case Element::MarkerEntry:
    case Element::Markers:
        noteLineStart();
        break;
    case Element::Seq:
        if (parent(0) == Element::Markers)
            noteLineStart();
        break;
    case Element::CartPostTimer:
        --postTimers_;
        break;
    default:
        break;
    }
    if ((element == Element::ListItem || element == Element::MarkerTrack || element == Element::MarkerEntry) &&
        itemsInPostTimer_ > 0)
        --itemsInPostTimer_;
}

void MetadataCensus::Text(std::string_view text)
{
    if (parent(0) == Element::TrackName && trackName_.size() + text.size() <= longestTrackName)
        trackName_.append(text);
}

} // namespace tandem::verify
