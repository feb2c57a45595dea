#include "session_census.h"

#include <algorithm>
#include <cstring>

namespace tandem::verify {

namespace {

constexpr std::size_t pieceSize = std::size_t{ 1 } << 20;
const std::string notWellFormed = "The file is not well-formed XML: ";

std::string_view valueOf(const std::vector<XmlAttribute>& attributes, std::string_view name)
{
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == name)
            return attribute.value;
    return {};
}

bool hasAttribute(const std::vector<XmlAttribute>& attributes, std::string_view name)
{
    return std::any_of(attributes.begin(), attributes.end(), [&](const XmlAttribute& a) { return a.name == name; });
}

} // namespace

SessionCensus::SessionCensus()
    : scanner_(*this)
{
}

std::pair<char*, std::size_t> SessionCensus::Room() { return scanner_.Room(pieceSize); }

void SessionCensus::Read(std::size_t size)
{
    scanner_.Commit(size);
    const bool last = size == 0;
    scanner_.Scan(last);
    // A metadata block still open at the end is in a file that is not
    // well-formed, which says all there is to say of it.
    if (last && !finished_) {
        finished_ = true;
        const LineCounter& lines = scanner_.Lines();
        content_.mixedLineEnds = lines.HasLf() && lines.BareCrs() > 0;
    }
}

void SessionCensus::ReadWhole(std::string_view text, const std::function<void(std::size_t)>& passed)
{
    scanner_.Borrow(text);
    std::size_t step = pieceSize;
    for (std::size_t revealed = 0; revealed < text.size();) {
        const std::size_t before = scanner_.Passed();
        revealed = text.size() - revealed > step ? revealed + step : text.size();
        scanner_.Reveal(revealed);
        scanner_.Scan(false);
        const std::size_t after = scanner_.Passed();
        // A token that does not end within a step is read again with twice
        // the step, so that a huge one is read again only as often as its
        // size doubles.
        step = after == before ? step * 2 : pieceSize;
        passed(after);
    }
    Read(0);
}

void SessionCensus::noteLineStart(LineGroup group)
{
    if (!scanner_.TokenAtLineStart())
        content_.sharesLines[static_cast<std::size_t>(group)] = true;
}

void SessionCensus::StartElement(std::string_view name, const std::vector<XmlAttribute>& attributes)
{
    using Defines = SessionReferences::Defines;
    using Refers = SessionReferences::Refers;
    const Element up = parent();
    Element element = Element::Other;
    // Most elements of a session are none of these; the first letter rules
    // out nearly all of them before any whole name is compared.
    switch (name.empty() ? '\0' : name[0]) {
    case 'a':
        if (name == "audioTrack" && up == Element::Tracks) {
            element = Element::AudioTrack;
            ++content_[Content::AudioTracks];
        } else if (name == "audioClip" && up == Element::AudioTrack) {
            element = Element::AudioClip;
            ++content_[Content::AudioClips];
        }
        break;
    case 'b':
        if (name == "busTrack" && up == Element::Tracks) {
            element = Element::BusTrack;
            ++content_[Content::BusTracks];
        }
        break;
    case 'c':
        if (name == "clipGroups") {
            element = Element::ClipGroups;
            content_.hasClipGroupPlace = true;
        } else if (name == "clipGroup" && up == Element::ClipGroups) {
            element = Element::ClipGroup;
            ++content_[Content::ClipGroups];
        }
        break;
    case 'f':
        if (name == "files" && up == Element::Sesx) {
            element = Element::Files;
            content_.hasFileList = true;
        } else if (name == "file" && up == Element::Files) {
            element = Element::File;
            ++content_[Content::MediaFiles];
        }
        break;
    case 'i':
        if (name == "item" && up == Element::ClipGroup) {
            element = Element::Item;
            ++content_[Content::ClipGroupItems];
        }
        break;
    case 'm':
        if (name == "masterTrack" && up == Element::Tracks) {
            element = Element::MasterTrack;
            ++content_.masterTracks;
        } else if (name == "metronome") {
            element = Element::Metronome;
            content_.hasClipGroupPlace = true;
        } else if (name == "metronomeTrack") {
            element = Element::MetronomeTrack;
        }
        break;
    case 's':
        if (name == "sesx" && open_.empty())
            element = Element::Sesx;
        else if (name == "sendSlot")
            element = Element::SendSlot;
        break;
    case 't':
        if (name == "tracks")
            element = Element::Tracks;
        else if (name == "trackOutput")
            element = Element::TrackOutput;
        break;
    case 'v':
        if (name == "videoTrack" && up == Element::Tracks) {
            element = Element::VideoTrack;
            ++content_[Content::VideoTracks];
        } else if (name == "videoClip" && up == Element::VideoTrack) {
            element = Element::VideoClip;
            ++content_[Content::VideoClips];
        }
        break;
    case 'x':
        if (name == "xmpMetadata") {
            element = Element::XmpMetadata;
            noteLineStart(LineGroup::Markers);
        }
        break;
    default:
        break;
    }
    open_.push_back(element);

    switch (element) {
    case Element::MasterTrack:
        references_.Master(scanner_.TokenPosition());
        [[fallthrough]];
    case Element::AudioTrack:
    case Element::BusTrack:
    case Element::VideoTrack:
    case Element::MetronomeTrack:
        if (element != Element::MetronomeTrack)
            noteLineStart(LineGroup::Tracks);
        if (element == Element::AudioTrack || element == Element::BusTrack)
            tracks_.push_back({ element == Element::BusTrack, std::string(valueOf(attributes, "id")), 0 });
        if (hasAttribute(attributes, "id"))
            references_.Define(Defines::Track, valueOf(attributes, "id"), scanner_.TokenPosition());
        owners_.emplace_back(valueOf(attributes, "id"));
        break;
    case Element::Tracks:
        noteLineStart(LineGroup::Tracks);
        break;
    case Element::AudioClip:
    case Element::VideoClip:
        noteLineStart(LineGroup::Tracks);
        if (element == Element::AudioClip && !tracks_.empty())
            ++tracks_.back().clips;
        if (hasAttribute(attributes, "fileID"))
            references_.Refer(
                Refers::Clip, valueOf(attributes, "fileID"), scanner_.TokenPosition(), valueOf(attributes, "name"));
        break;
    case Element::Files:
        noteLineStart(LineGroup::MediaFiles);
        break;
    case Element::File:
        noteLineStart(LineGroup::MediaFiles);
        if (hasAttribute(attributes, "id"))
            references_.Define(Defines::MediaFile, valueOf(attributes, "id"), scanner_.TokenPosition());
        media_.push_back(
            { std::string(valueOf(attributes, "absolutePath")), std::string(valueOf(attributes, "relativePath")) });
        break;
    case Element::ClipGroups:
        noteLineStart(LineGroup::ClipGroups);
        break;
    case Element::ClipGroup:
        noteLineStart(LineGroup::ClipGroups);
        groupMembers_.emplace_back();
        if (hasAttribute(attributes, "id"))
            references_.Define(Defines::ClipGroup, valueOf(attributes, "id"), scanner_.TokenPosition());
        owners_.emplace_back(valueOf(attributes, "id"));
        break;
    case Element::Item:
        noteLineStart(LineGroup::ClipGroups);
        if (!groupMembers_.empty())
            groupMembers_.back().emplace_back(valueOf(attributes, "trackID"));
        references_.Refer(Refers::GroupMember, valueOf(attributes, "trackID"), scanner_.TokenPosition(),
            owners_.empty() ? std::string_view() : owners_.back());
        break;
    case Element::TrackOutput: {
        const std::string_view type = valueOf(attributes, "type");
        const std::string_view target = valueOf(attributes, "outputID");
        if ((type.empty() || type == "trackID") && NamesATrackAboveMaster(target))
            references_.Refer(Refers::Output, target, scanner_.TokenPosition(),
                owners_.empty() ? std::string_view() : owners_.back());
        break;
    }
    case Element::SendSlot: {
        const std::string_view target = valueOf(attributes, "sendOutputID");
        if (NamesATrackAboveMaster(target))
            references_.Refer(
                Refers::Send, target, scanner_.TokenPosition(), owners_.empty() ? std::string_view() : owners_.back());
        break;
    }
    default:
        break;
    }
}

void SessionCensus::EndElement(std::string_view)
{
    const Element element = parent();
    if (!open_.empty())
        open_.pop_back();
    switch (element) {
    case Element::AudioTrack:
    case Element::BusTrack:
    case Element::VideoTrack:
    case Element::MasterTrack:
        noteLineStart(LineGroup::Tracks);
        owners_.pop_back();
        break;
    case Element::MetronomeTrack:
        owners_.pop_back();
        break;
    case Element::ClipGroup:
        noteLineStart(LineGroup::ClipGroups);
        owners_.pop_back();
        break;
    case Element::Tracks:
    case Element::AudioClip:
    case Element::VideoClip:
        noteLineStart(LineGroup::Tracks);
        break;
    case Element::Files:
    case Element::File:
        noteLineStart(LineGroup::MediaFiles);
        break;
    case Element::ClipGroups:
    case Element::Item:
        noteLineStart(LineGroup::ClipGroups);
        break;
    case Element::XmpMetadata:
        if (metadata_) {
            metadata_->Finish();
            if (!firstMetadataError_)
                firstMetadataError_ = metadata_->Error();
            metadata_.reset();
        }
        break;
    default:
        break;
    }
}

void SessionCensus::CDataBegin()
{
    if (parent() == Element::XmpMetadata && !metadata_)
        metadata_ = std::make_unique<MetadataCensus>(content_, scanner_.TokenPosition());
}

void SessionCensus::CData(std::string_view text)
{
    if (metadata_ && parent() == Element::XmpMetadata)
        metadata_->Read(text);
}

std::optional<Finding> SessionCensus::XmlError() const
{
    if (!scanner_.Error())
        return std::nullopt;
    return Finding{ scanner_.Lines().LineOf(scanner_.Error()->at), scanner_.Error()->text };
}

CheckResult SessionCensus::Result() const
{
    CheckResult result;
    result.content = content_;
    result.xmlError = XmlError();
    result.findings = AllFindings();
    result.tracks = tracks_;
    result.groupMembers = groupMembers_;
    result.media = media_;
    return result;
}

Findings SessionCensus::AllFindings() const
{
    // What follows an XML error was never read, so ids and references
    // would be judged on half a session.
    if (const auto error = XmlError())
        return { Finding{ error->line, notWellFormed + error->text } };
    const LineCounter& lines = scanner_.Lines();
    std::vector<PlacedFinding> placed = references_.Resolve(lines);
    if (firstMetadataError_)
        placed.push_back({ firstMetadataError_->at,
            "The metadata block (markers) is not well-formed XML: " + firstMetadataError_->text });
    Findings findings;
    findings.reserve(placed.size());
    for (PlacedFinding& finding : placed)
        findings.push_back({ lines.LineOf(finding.at), std::move(finding.text) });
    std::stable_sort(
        findings.begin(), findings.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

} // namespace tandem::verify
