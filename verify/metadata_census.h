#pragma once

#include "session_content.h"
#include "xml_scanner.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandem::verify {

// Counts the markers and cart entries of a session's metadata, an XMP
// document held in a CDATA section, as its text arrives in pieces.
class MetadataCensus : private XmlEvents {
public:
    // `content` receives the counts; `at` is where the metadata text starts.
    MetadataCensus(SessionContent& content, TextPosition at);

    void Read(std::string_view text);
    void Finish();
    // Why the metadata is not well-formed, placed in the session's text.
    std::optional<XmlError> Error() const;

private:
    enum class Element : std::uint8_t {
        Other,
        Bag,
        Seq,
        ListItem,
        Tracks,
        Markers,
        TrackName,
        CartPostTimer,
        CartEntry,
        MarkerTrack,
        MarkerEntry
    };

    void StartElement(std::string_view name, const std::vector<XmlAttribute>& attributes) override;
    void EndElement(std::string_view name) override;
    void Text(std::string_view text) override;

    Element parent(std::size_t up) const;
    void noteLineStart();
    void endMarkerTrack();

    SessionContent& content_;
    TextPosition at_;
    XmlScanner scanner_;
    std::vector<Element> open_;
    std::string trackName_;
    std::uint64_t trackEntries_ = 0;
    int postTimers_ = 0;
    int itemsInPostTimer_ = 0;
};

} // namespace tandem::verify
