#pragma once

#include "line_counter.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tandem::verify {

struct XmlAttribute {
    std::string_view name;
    // As written: references are checked, not replaced.
    std::string_view value;
};

// What the scanner meets, in document order. Views are valid only during
// the call. While a call runs, XmlScanner::TokenPosition and
// TokenAtLineStart tell where the tag stands.
class XmlEvents {
public:
    virtual ~XmlEvents() = default;
    virtual void StartElement(std::string_view name, const std::vector<XmlAttribute>& attributes) = 0;
    // Also after the start of an element written as <name/>.
    virtual void EndElement(std::string_view name) = 0;
    // Character data inside the root element, possibly in several pieces.
    virtual void Text(std::string_view) { }
    // A CDATA section's content, possibly in several pieces.
    virtual void CDataBegin() { }
    virtual void CData(std::string_view) { }
    virtual void CDataEnd() { }
};

struct XmlError {
    TextPosition at;
    // A sentence without its capital: "the element <a> is closed by </b>."
    std::string text;
};

// Reads an XML document from start to end in pieces and tells whether it is
// well-formed, in one pass and with memory for the open elements and the
// largest tag only, so that a session of any size can be checked. It stops
// at the first error. Entities and character references are checked for
// their form only.
class XmlScanner {
public:
    explicit XmlScanner(XmlEvents& events);
    XmlScanner(const XmlScanner&) = delete;
    XmlScanner& operator=(const XmlScanner&) = delete;

    // Room at the end of the unread text for at least `minimum` bytes, to be
    // filled by the caller and handed over with Commit.
    std::pair<char*, std::size_t> Room(std::size_t minimum);
    void Commit(std::size_t size);
    void Append(std::string_view text);
    // Instead of Room and Commit: the whole text, which stays valid and
    // unchanged while it is read, is read where it lies, Reveal telling how
    // much of it (from its start) Scan may read so far.
    void Borrow(std::string_view text);
    void Reveal(std::size_t size);
    // After Scan: the text before this offset is not needed again.
    std::size_t Passed();
    // Reads as far as the text goes; with `last`, the text is complete and
    // its end is checked.
    void Scan(bool last);

    bool Failed() const { return error_.has_value(); }
    const std::optional<XmlError>& Error() const { return error_; }
    // The line ends of everything read; complete after Scan(true).
    const LineCounter& Lines() const { return lines_; }

    // During an event: where its tag starts, and whether only blanks stand
    // before it on its line.
    TextPosition TokenPosition();
    bool TokenAtLineStart() const;

private:
    enum class Mode { Markup, CData, Comment, Instruction };
    enum class Place { Prolog, Root, Epilog };

    const char* text(const char* p, const char* end, bool more);
    const char* markup(const char* p, const char* end);
    const char* startTag(const char* p, const char* end);
    const char* endTag(const char* p, const char* end);
    const char* declaration(const char* p, const char* end);
    const char* instruction(const char* p, const char* end);
    const char* doctype(const char* p, const char* end);
    const char* cdata(const char* p, const char* end, bool last);
    const char* comment(const char* p, const char* end, bool last);
    const char* instructionEnd(const char* p, const char* end, bool last);
    const char* reference(const char* amp, const char* end);
    bool repeatedAttribute();
    void finish();
    void fail(const char* at, std::string text);
    void failAtEnd(std::string text);
    void countTo(const char* at);
    void compact();

    XmlEvents& events_;
    std::unique_ptr<char[]> buffer_;
    // The text read: the buffer's, or a borrowed one.
    const char* text_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    // Bytes dropped from the front of the buffer so far.
    std::size_t dropped_ = 0;
    // Line ends are counted up to here (an index into the buffer).
    std::size_t counted_ = 0;
    LineCounter lines_;
    // Whether the text before the buffer, back to its last line end, is blank.
    bool blankBeforeBuffer_ = true;
    // The last byte of the text so far.
    char lastByte_ = 0;

    bool started_ = false;
    std::size_t bomLength_ = 0;
    // The text read so far ends inside a token that the next piece completes.
    bool waiting_ = false;
    Mode mode_ = Mode::Markup;
    Place place_ = Place::Prolog;
    bool sawDoctype_ = false;
    bool internalSubset_ = false;
    bool sawMarkup_ = false;
    std::string rootName_;
    // The names of the open elements, one after the other.
    std::string openNames_;
    std::vector<std::size_t> openStarts_;
    std::vector<XmlAttribute> attributes_;
    std::vector<std::string_view> sortedNames_;
    const char* token_ = nullptr;
    std::optional<XmlError> error_;
};

} // namespace tandem::verify
