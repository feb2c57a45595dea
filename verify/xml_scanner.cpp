#include "xml_scanner.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tandem::verify {

namespace {

constexpr std::size_t initialCapacity = std::size_t{ 1 } << 20;
// A reference longer than this is no reference, and is not waited for.
constexpr std::ptrdiff_t longestReference = 64;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

struct CharClasses {
    std::array<bool, 256> nameStart{};
    std::array<bool, 256> name{};
    std::array<bool, 256> blank{};
};

// Names: ASCII letters, "_" and ":", then also digits, "-" and "."; every
// byte of a multi-byte UTF-8 character counts as a name character.
constexpr CharClasses makeClasses()
{
    CharClasses classes;
    for (int c = 0; c < 256; ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80;
        classes.nameStart[static_cast<std::size_t>(c)] = letter;
        classes.name[static_cast<std::size_t>(c)] = letter || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }
    for (const char c : { ' ', '\t', '\r', '\n' })
        classes.blank[static_cast<unsigned char>(c)] = true;
    return classes;
}

constexpr CharClasses classes = makeClasses();

bool isBlank(char c) { return classes.blank[static_cast<unsigned char>(c)]; }

const char* skipBlanks(const char* p, const char* end)
{
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

// The end of the name at p; p itself when no name starts there.
const char* skipName(const char* p, const char* end)
{
    if (p == end || !classes.nameStart[static_cast<unsigned char>(*p)])
        return p;
    ++p;
    while (p < end && classes.name[static_cast<unsigned char>(*p)])
        ++p;
    return p;
}

// The first `quote`, "<" or "&" at or after p, or end: most values are
// plain text to be passed over as fast as it goes.
const char* valueStop(const char* p, const char* end, char quote)
{
#if defined(__SSE2__)
    const __m128i quotes = _mm_set1_epi8(quote);
    const __m128i lessThan = _mm_set1_epi8('<');
    const __m128i ampersand = _mm_set1_epi8('&');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, quotes), _mm_cmpeq_epi8(bytes, lessThan)),
                _mm_cmpeq_epi8(bytes, ampersand)));
        if (found != 0)
            return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p < end && *p != quote && *p != '<' && *p != '&')
        ++p;
    return p;
}

std::string_view between(const char* begin, const char* end)
{
    return { begin, static_cast<std::size_t>(end - begin) };
}

bool predefinedEntity(std::string_view name)
{
    return name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos";
}

// How much of `open` the text at p holds: none of it, a beginning that may
// go on in the next piece, or all of it.
enum class Match { No, Partial, Whole };
Match matchOpening(const char* p, const char* end, std::string_view open)
{
    const auto available = std::min(open.size(), static_cast<std::size_t>(end - p));
    if (std::memcmp(p, open.data(), available) != 0)
        return Match::No;
    return available == open.size() ? Match::Whole : Match::Partial;
}

const std::string badReference = "an \"&\" starts no valid reference (write a lone \"&\" as \"&amp;\").";

} // namespace

XmlScanner::XmlScanner(XmlEvents& events)
    : events_(events)
{
}

void XmlScanner::countTo(const char* at)
{
    const char* from = text_ + counted_;
    if (at <= from)
        return;
    lines_.Count(from, at);
    counted_ = static_cast<std::size_t>(at - text_);
}

void XmlScanner::compact()
{
    if (begin_ == 0)
        return;
    char* const buffer = buffer_.get();
    countTo(buffer + begin_);
    for (std::size_t i = begin_; i > 0; --i) {
        const char c = buffer[i - 1];
        if (c == '\n' || c == '\r' || !isBlank(c)) {
            blankBeforeBuffer_ = c == '\n' || c == '\r';
            break;
        }
    }
    std::memmove(buffer, buffer + begin_, end_ - begin_);
    end_ -= begin_;
    counted_ -= begin_;
    dropped_ += begin_;
    begin_ = 0;
}

std::pair<char*, std::size_t> XmlScanner::Room(std::size_t minimum)
{
    compact();
    // A token that fills half the buffer doubles it, so that a huge tag is
    // read again only as often as its size doubles.
    std::size_t wanted = std::max(capacity_, initialCapacity);
    while (wanted - end_ < minimum || end_ > wanted / 2)
        wanted *= 2;
    if (wanted != capacity_) {
        std::unique_ptr<char[]> bigger(new char[wanted]);
        if (end_ > 0)
            std::memcpy(bigger.get(), buffer_.get(), end_);
        buffer_ = std::move(bigger);
        text_ = buffer_.get();
        capacity_ = wanted;
    }
    return { buffer_.get() + end_, capacity_ - end_ };
}

void XmlScanner::Commit(std::size_t size)
{
    end_ += size;
    if (size > 0)
        lastByte_ = text_[end_ - 1];
}

void XmlScanner::Borrow(std::string_view text)
{
    text_ = text.data();
    end_ = 0;
}

void XmlScanner::Reveal(std::size_t size)
{
    end_ = size;
    if (size > 0)
        lastByte_ = text_[size - 1];
}

std::size_t XmlScanner::Passed()
{
    countTo(text_ + begin_);
    return begin_;
}

void XmlScanner::Append(std::string_view text)
{
    if (text.empty())
        return;
    const auto room = Room(text.size());
    std::memcpy(room.first, text.data(), text.size());
    Commit(text.size());
}

TextPosition XmlScanner::TokenPosition()
{
    countTo(token_);
    return lines_.Position();
}

bool XmlScanner::TokenAtLineStart() const
{
    for (const char* p = token_; p > text_; --p) {
        const char c = p[-1];
        if (c == '\n' || c == '\r')
            return true;
        if (!isBlank(c))
            return false;
    }
    return blankBeforeBuffer_;
}

void XmlScanner::fail(const char* at, std::string text)
{
    if (error_)
        return;
    countTo(at);
    error_ = XmlError{ lines_.Position(), std::move(text) };
}

// A file that ends too soon fails on the line of its last byte, which may
// have left the buffer already, counted.
void XmlScanner::failAtEnd(std::string text)
{
    if (error_)
        return;
    countTo(text_ + end_);
    TextPosition at = lines_.Position();
    if (lastByte_ == '\n')
        --at.lf;
    else if (lastByte_ == '\r')
        --at.cr;
    error_ = XmlError{ at, std::move(text) };
}

void XmlScanner::Scan(bool last)
{
    const char* p = text_ + begin_;
    const char* const end = text_ + end_;
    if (!started_ && !error_) {
        const Match bom = p == end ? Match::Partial : matchOpening(p, end, byteOrderMark);
        if (bom == Match::Partial && !last)
            return;
        if (bom == Match::Whole) {
            p += byteOrderMark.size();
            bomLength_ = byteOrderMark.size();
        }
        started_ = true;
    }
    waiting_ = false;
    while (!error_ && !waiting_ && p < end) {
        switch (mode_) {
        case Mode::Markup: {
            const auto* lt = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p)));
            const char* const stop = lt ? lt : end;
            if (stop > p)
                p = text(p, stop, !lt && !last);
            if (!lt || error_ || waiting_)
                break;
            const char* next = markup(p, end);
            if (!next) {
                if (!last)
                    waiting_ = true;
                else
                    failAtEnd("the file ends inside a tag.");
                break;
            }
            p = next;
            break;
        }
        case Mode::CData:
            p = cdata(p, end, last);
            break;
        case Mode::Comment:
            p = comment(p, end, last);
            break;
        case Mode::Instruction:
            p = instructionEnd(p, end, last);
            break;
        }
    }
    if (error_) {
        // The rest is only counted, so that line numbers follow the file's
        // own line ends.
        countTo(end);
        p = end;
    }
    begin_ = static_cast<std::size_t>(p - text_);
    if (last) {
        if (!error_)
            finish();
        countTo(end);
    }
}

void XmlScanner::finish()
{
    switch (mode_) {
    case Mode::CData:
        failAtEnd("the file ends inside a CDATA section.");
        return;
    case Mode::Comment:
        failAtEnd("the file ends inside a comment.");
        return;
    case Mode::Instruction:
        failAtEnd("the file ends inside a processing instruction.");
        return;
    case Mode::Markup:
        break;
    }
    if (!openStarts_.empty())
        failAtEnd("the file ends before <" + std::string(std::string_view(openNames_).substr(openStarts_.back())) +
            "> is closed.");
    else if (place_ == Place::Prolog)
        error_ = XmlError{ TextPosition{}, "there is no root element." };
}

const char* XmlScanner::text(const char* p, const char* end, bool more)
{
    if (place_ != Place::Root) {
        const char* q = skipBlanks(p, end);
        if (q != end)
            fail(q,
                place_ == Place::Prolog ? std::string("there is text before the root element.")
                                        : "there is more after the end of the root element <" + rootName_ + ">.");
        return end;
    }
    const char* q = p;
    while (const auto* amp = static_cast<const char*>(std::memchr(q, '&', static_cast<std::size_t>(end - q)))) {
        const char* after = reference(amp, end);
        if (error_)
            return amp;
        if (!after) {
            if (!more) {
                fail(amp, badReference);
                return amp;
            }
            if (amp > p)
                events_.Text(between(p, amp));
            waiting_ = true;
            return amp;
        }
        q = after;
    }
    events_.Text(between(p, end));
    return end;
}

const char* XmlScanner::reference(const char* amp, const char* end)
{
    const char* p = amp + 1;
    const char* const limit = std::min(end, amp + longestReference);
    if (p < limit && *p == '#') {
        ++p;
        const bool hex = p < limit && *p == 'x';
        if (hex)
            ++p;
        const char* const digits = p;
        while (p < limit &&
            (std::isdigit(static_cast<unsigned char>(*p)) || (hex && std::isxdigit(static_cast<unsigned char>(*p)))))
            ++p;
        if (p == end)
            return nullptr;
        if (p == digits || p == limit || *p != ';') {
            fail(amp, badReference);
            return amp;
        }
        return p + 1;
    }
    const char* const nameEnd = skipName(p, limit);
    if (nameEnd == end)
        return nullptr;
    if (nameEnd == p || nameEnd == limit || *nameEnd != ';' ||
        (!internalSubset_ && !predefinedEntity(between(p, nameEnd)))) {
        fail(amp, badReference);
        return amp;
    }
    return nameEnd + 1;
}

const char* XmlScanner::markup(const char* p, const char* end)
{
    if (end - p < 2)
        return nullptr;
    switch (p[1]) {
    case '/':
        return endTag(p, end);
    case '?':
        return instruction(p, end);
    case '!':
        return declaration(p, end);
    default:
        return startTag(p, end);
    }
}

bool XmlScanner::repeatedAttribute()
{
    // Audition writes attributes in alphabetical order, and names in
    // strictly rising order cannot repeat; others are sorted.
    bool rising = true;
    for (std::size_t i = 1; i < attributes_.size() && rising; ++i) {
        const std::string_view before = attributes_[i - 1].name;
        const std::string_view name = attributes_[i].name;
        // The first letters settle most pairs without a call.
        rising = before[0] < name[0] || (before[0] == name[0] && before < name);
    }
    if (rising)
        return false;
    sortedNames_.clear();
    for (const XmlAttribute& attribute : attributes_)
        sortedNames_.push_back(attribute.name);
    std::sort(sortedNames_.begin(), sortedNames_.end());
    const auto repeated = std::adjacent_find(sortedNames_.begin(), sortedNames_.end());
    if (repeated == sortedNames_.end())
        return false;
    sortedNames_.front() = *repeated;
    return true;
}

const char* XmlScanner::startTag(const char* p, const char* end)
{
    token_ = p;
    const char* const nameBegin = p + 1;
    const char* q = skipName(nameBegin, end);
    if (q == end)
        return nullptr;
    if (q == nameBegin) {
        fail(p, "a \"<\" is not followed by a name.");
        return p;
    }
    const std::string_view name = between(nameBegin, q);
    // Named in a finding only.
    const auto tagName = [name] { return "<" + std::string(name) + ">"; };
    if (place_ == Place::Epilog) {
        fail(p, "there is more after the end of the root element <" + rootName_ + ">.");
        return p;
    }
    attributes_.clear();
    bool selfClosing = false;
    for (;;) {
        const char* at = skipBlanks(q, end);
        if (at == end)
            return nullptr;
        if (*at == '>') {
            q = at + 1;
            break;
        }
        if (*at == '/') {
            if (at + 1 == end)
                return nullptr;
            if (at[1] != '>') {
                fail(at, "the tag " + tagName() + " holds a \"/\" that does not end it.");
                return p;
            }
            q = at + 2;
            selfClosing = true;
            break;
        }
        if (at == q) {
            fail(at, "the tag " + tagName() + " needs a blank before each attribute.");
            return p;
        }
        const char* const attributeEnd = skipName(at, end);
        if (attributeEnd == end)
            return nullptr;
        if (attributeEnd == at) {
            fail(at, "the tag " + tagName() + " holds a character that is not allowed there.");
            return p;
        }
        const std::string_view attribute = between(at, attributeEnd);
        const char* equals = skipBlanks(attributeEnd, end);
        if (equals == end)
            return nullptr;
        if (*equals != '=') {
            fail(equals, "the attribute \"" + std::string(attribute) + "\" of " + tagName() + " has no value.");
            return p;
        }
        const char* open = skipBlanks(equals + 1, end);
        if (open == end)
            return nullptr;
        const char quote = *open;
        if (quote != '"' && quote != '\'') {
            fail(open, "the value of the attribute \"" + std::string(attribute) + "\" is not in quotes.");
            return p;
        }
        const char* v = open + 1;
        for (;;) {
            v = valueStop(v, end, quote);
            if (v == end)
                return nullptr;
            if (*v == quote)
                break;
            if (*v == '<') {
                fail(v, "the value of the attribute \"" + std::string(attribute) + "\" holds a \"<\".");
                return p;
            }
            const char* after = reference(v, end);
            if (error_)
                return p;
            if (!after)
                return nullptr;
            v = after;
        }
        // A name repeated at once is reported before the rest of the tag is
        // read: a hostile tag of millions of them is not kept whole.
        if (!attributes_.empty() && attributes_.back().name == attribute) {
            fail(p, "attribute \"" + std::string(attribute) + "\" appears twice on " + tagName() + ".");
            return p;
        }
        // Field by field: a whole pair built on the stack first is read back
        // before its halves are stored, which stalls every attribute.
        XmlAttribute& added = attributes_.emplace_back();
        added.name = attribute;
        added.value = between(open + 1, v);
        q = v + 1;
    }
    if (repeatedAttribute()) {
        fail(p, "attribute \"" + std::string(sortedNames_.front()) + "\" appears twice on " + tagName() + ".");
        return p;
    }
    if (place_ == Place::Prolog) {
        place_ = Place::Root;
        rootName_ = std::string(name);
    }
    sawMarkup_ = true;
    if (!selfClosing) {
        openStarts_.push_back(openNames_.size());
        openNames_.append(name);
    }
    events_.StartElement(name, attributes_);
    if (selfClosing) {
        events_.EndElement(name);
        if (openStarts_.empty())
            place_ = Place::Epilog;
    }
    return q;
}

const char* XmlScanner::endTag(const char* p, const char* end)
{
    token_ = p;
    const char* const nameBegin = p + 2;
    const char* const nameEnd = skipName(nameBegin, end);
    if (nameEnd == end)
        return nullptr;
    if (nameEnd == nameBegin) {
        fail(p, "a \"</\" is not followed by a name.");
        return p;
    }
    const std::string_view name = between(nameBegin, nameEnd);
    const char* close = skipBlanks(nameEnd, end);
    if (close == end)
        return nullptr;
    if (*close != '>') {
        fail(close, "the end tag </" + std::string(name) + "> holds a character that is not allowed there.");
        return p;
    }
    if (openStarts_.empty()) {
        fail(p,
            place_ == Place::Epilog ? "there is more after the end of the root element <" + rootName_ + ">."
                                    : "the end tag </" + std::string(name) + "> closes no element.");
        return p;
    }
    const std::string_view open = std::string_view(openNames_).substr(openStarts_.back());
    if (open != name) {
        fail(p, "the element <" + std::string(open) + "> is closed by </" + std::string(name) + ">.");
        return p;
    }
    events_.EndElement(name);
    openNames_.resize(openStarts_.back());
    openStarts_.pop_back();
    if (openStarts_.empty())
        place_ = Place::Epilog;
    return close + 1;
}

const char* XmlScanner::instruction(const char* p, const char* end)
{
    token_ = p;
    const char* const target = p + 2;
    const char* const targetEnd = skipName(target, end);
    if (targetEnd == end)
        return nullptr;
    if (targetEnd == target) {
        fail(p, "a \"<?\" is not followed by a name.");
        return p;
    }
    std::string name(target, targetEnd);
    std::transform(name.begin(), name.end(), name.begin(),
        [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    const std::size_t offset = dropped_ + static_cast<std::size_t>(p - text_);
    if (name == "xml" && (offset != bomLength_ || sawMarkup_)) {
        fail(p, "the XML declaration may stand only at the very start of the file.");
        return p;
    }
    sawMarkup_ = true;
    mode_ = Mode::Instruction;
    return targetEnd;
}

const char* XmlScanner::instructionEnd(const char* p, const char* end, bool last)
{
    for (const char* q = p; (q = static_cast<const char*>(std::memchr(q, '?', static_cast<std::size_t>(end - q))));
         ++q) {
        if (q + 1 == end)
            break;
        if (q[1] == '>') {
            mode_ = Mode::Markup;
            return q + 2;
        }
    }
    if (last) {
        failAtEnd("the file ends inside a processing instruction.");
        return end;
    }
    waiting_ = true;
    return end[-1] == '?' ? end - 1 : end;
}

const char* XmlScanner::declaration(const char* p, const char* end)
{
    static constexpr std::string_view commentOpen = "<!--";
    static constexpr std::string_view cdataOpen = "<![CDATA[";
    static constexpr std::string_view doctypeOpen = "<!DOCTYPE";
    Match match = matchOpening(p, end, commentOpen);
    if (match == Match::Whole) {
        token_ = p;
        sawMarkup_ = true;
        mode_ = Mode::Comment;
        return p + commentOpen.size();
    }
    if (match == Match::Partial)
        return nullptr;
    match = matchOpening(p, end, cdataOpen);
    if (match == Match::Whole) {
        token_ = p;
        if (place_ != Place::Root) {
            fail(p, "a CDATA section stands outside the root element.");
            return p;
        }
        events_.CDataBegin();
        mode_ = Mode::CData;
        return p + cdataOpen.size();
    }
    if (match == Match::Partial)
        return nullptr;
    match = matchOpening(p, end, doctypeOpen);
    if (match == Match::Whole)
        return doctype(p, end);
    if (match == Match::Partial)
        return nullptr;
    fail(p, "a \"<!\" starts no comment, CDATA section or document type.");
    return p;
}

const char* XmlScanner::doctype(const char* p, const char* end)
{
    token_ = p;
    if (place_ != Place::Prolog || sawDoctype_) {
        fail(p, "the document type may stand only once, before the root element.");
        return p;
    }
    const char* q = p + 9;
    if (q == end)
        return nullptr;
    if (!isBlank(*q)) {
        fail(q, "the document type has no name.");
        return p;
    }
    int depth = 0;
    char quote = 0;
    bool subset = false;
    for (; q < end; ++q) {
        const char c = *q;
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++depth;
            subset = true;
        } else if (c == ']') {
            --depth;
        } else if (c == '>' && depth <= 0) {
            sawDoctype_ = true;
            sawMarkup_ = true;
            // Entities may be declared there, so other names are let pass.
            internalSubset_ = subset;
            return q + 1;
        }
    }
    return nullptr;
}

const char* XmlScanner::cdata(const char* p, const char* end, bool last)
{
    for (const char* q = p; (q = static_cast<const char*>(std::memchr(q, ']', static_cast<std::size_t>(end - q))));
         ++q) {
        if (end - q < 3)
            break;
        if (q[1] == ']' && q[2] == '>') {
            if (q > p)
                events_.CData(between(p, q));
            events_.CDataEnd();
            mode_ = Mode::Markup;
            return q + 3;
        }
    }
    if (last) {
        failAtEnd("the file ends inside a CDATA section.");
        return end;
    }
    // A "]" or "]]" at the end may begin the section's end.
    const char* keep = end;
    if (keep > p && keep[-1] == ']')
        --keep;
    if (keep > p && keep[-1] == ']')
        --keep;
    if (keep > p)
        events_.CData(between(p, keep));
    waiting_ = true;
    return keep;
}

const char* XmlScanner::comment(const char* p, const char* end, bool last)
{
    for (const char* q = p; (q = static_cast<const char*>(std::memchr(q, '-', static_cast<std::size_t>(end - q))));
         ++q) {
        if (end - q < 3)
            break;
        if (q[1] == '-') {
            if (q[2] == '>') {
                mode_ = Mode::Markup;
                return q + 3;
            }
            fail(q, "a comment holds \"--\", which XML does not allow.");
            return q;
        }
    }
    if (last) {
        failAtEnd("the file ends inside a comment.");
        return end;
    }
    const char* keep = end;
    if (keep > p && keep[-1] == '-')
        --keep;
    if (keep > p && keep[-1] == '-')
        --keep;
    waiting_ = true;
    return keep;
}

} // namespace tandem::verify
