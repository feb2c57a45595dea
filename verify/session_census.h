#pragma once

#include "check_result.h"
#include "finding.h"
#include "metadata_census.h"
#include "session_content.h"
#include "session_references.h"
#include "xml_scanner.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tandem::verify {

// Reads one session in pieces and gathers, in the same pass, whether it is
// well-formed, the ids and references that do not hold, and what it holds.
class SessionCensus : private XmlEvents {
public:
    SessionCensus();

    // Room for the next piece of the file, then how much of it was filled;
    // a piece of 0 bytes ends the file.
    std::pair<char*, std::size_t> Room();
    void Read(std::size_t size);
    // Instead: a whole file that stays valid while it is read (a mapped
    // one), read where it lies, step by step; after each step `passed` is
    // told the offset before which the text is not needed again.
    void ReadWhole(std::string_view text, const std::function<void(std::size_t)>& passed);

    // After the last piece.
    const SessionContent& Content() const { return content_; }
    // Why the session is not well-formed XML, if it is not.
    std::optional<Finding> XmlError() const;
    // Every finding in line order, the XML error first on its line.
    Findings AllFindings() const;
    // All of it, once the last piece is read.
    CheckResult Result() const;

private:
    enum class Element : std::uint8_t {
        Other,
        Sesx,
        Tracks,
        AudioTrack,
        BusTrack,
        VideoTrack,
        MasterTrack,
        MetronomeTrack,
        Metronome,
        AudioClip,
        VideoClip,
        Files,
        File,
        ClipGroups,
        ClipGroup,
        Item,
        TrackOutput,
        SendSlot,
        XmpMetadata
    };

    void StartElement(std::string_view name, const std::vector<XmlAttribute>& attributes) override;
    void EndElement(std::string_view name) override;
    void CDataBegin() override;
    void CData(std::string_view text) override;

    Element parent() const { return open_.empty() ? Element::Other : open_.back(); }
    void noteLineStart(LineGroup group);
    std::optional<verify::XmlError> metadataError() const;

    XmlScanner scanner_;
    SessionContent content_;
    SessionReferences references_;
    std::vector<Element> open_;
    // The ids of the open tracks and clip groups, which own the references
    // inside them.
    std::vector<std::string> owners_;
    std::vector<TrackContent> tracks_;
    std::vector<std::vector<std::string>> groupMembers_;
    std::vector<MediaPaths> media_;
    std::unique_ptr<MetadataCensus> metadata_;
    std::optional<verify::XmlError> firstMetadataError_;
    bool finished_ = false;
};

} // namespace tandem::verify
