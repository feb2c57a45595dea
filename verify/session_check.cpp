#include "session_check.h"

#include "line_numbers.h"
#include "session_references.h"

#include "errors.h"
#include "file_io.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <new>
#include <vector>

namespace tandem::verify {

namespace {

const std::string notWellFormed = "The file is not well-formed XML: ";

// The parser does not look for an attribute written twice on one element,
// which XML forbids. Audition writes attributes in alphabetical order, and
// names in strictly rising order cannot repeat, so most elements cost one
// comparison per attribute; others are sorted.
const char* repeatedAttribute(const pugi::xml_node& element)
{
    pugi::xml_attribute previous = element.first_attribute();
    if (!previous)
        return nullptr;
    std::size_t count = 1;
    bool rising = true;
    const char* previousName = previous.name();
    for (pugi::xml_attribute attribute = previous.next_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        // The first letters settle most pairs without a call.
        rising = rising &&
            (previousName[0] < name[0] || (previousName[0] == name[0] && std::strcmp(previousName, name) < 0));
        previousName = name;
        ++count;
    }
    if (rising)
        return nullptr;
    std::vector<std::string_view> names;
    names.reserve(count);
    for (const pugi::xml_attribute& attribute : element.attributes())
        names.emplace_back(attribute.name());
    std::sort(names.begin(), names.end());
    const auto repeated = std::adjacent_find(names.begin(), names.end());
    return repeated == names.end() ? nullptr : repeated->data();
}

// Every element below the document, in document order, without recursion:
// a hostile file may nest deeper than the stack allows.
template <typename Visit> void forEachElement(const pugi::xml_node& root, Visit visit)
{
    pugi::xml_node node = root;
    while (node) {
        if (node.type() == pugi::node_element)
            visit(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != root && !node.next_sibling())
            node = node.parent();
        if (!node || node == root)
            break;
        node = node.next_sibling();
    }
}

// What stands beside the root element: nothing but comments and processing
// instructions may.
void checkDocumentLevel(const pugi::xml_document& document, std::vector<PlacedFinding>& findings)
{
    pugi::xml_node root;
    for (const pugi::xml_node& node : document.children()) {
        if (node.type() == pugi::node_element && !root) {
            root = node;
        } else if (node.type() == pugi::node_element || node.type() == pugi::node_pcdata) {
            // Text starts with the line end after the root; the finding goes
            // on the line of the text itself.
            std::size_t offset = OffsetOf(node);
            if (node.type() == pugi::node_pcdata)
                offset += std::strspn(node.value(), " \t\r\n");
            findings.push_back({ offset,
                notWellFormed +
                    (root ? "there is more after the end of the root element <" + std::string(root.name()) + ">."
                          : std::string("there is text before the root element.")) });
            return;
        }
    }
    if (!root)
        findings.push_back({ 0, notWellFormed + "there is no root element." });
}

std::string sentenceOf(const char* description)
{
    std::string text = description;
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text + ".";
}

Findings withLines(std::vector<PlacedFinding> placed, const LineNumbers& lines)
{
    std::stable_sort(placed.begin(), placed.end(),
        [](const PlacedFinding& a, const PlacedFinding& b) { return a.offset < b.offset; });
    Findings findings;
    findings.reserve(placed.size());
    for (PlacedFinding& finding : placed)
        findings.push_back({ lines.LineOf(finding.offset), std::move(finding.text) });
    return findings;
}

// Parses the text where it stands (the parser writes into it), so that a
// large session is not copied once more.
Findings checkInPlace(char* text, std::size_t size)
{
    const LineNumbers lines({ text, size });
    pugi::xml_document document;
    // A fragment keeps text and extra elements beside the root element, so
    // they can be reported; entities and line ends are left as they are,
    // since only names and ids are compared.
    const pugi::xml_parse_result parsed =
        document.load_buffer_inplace(text, size, pugi::parse_minimal | pugi::parse_fragment, pugi::encoding_utf8);
    std::vector<PlacedFinding> placed;
    if (!parsed) {
        // A construct left open is reported at the end of the text, which
        // is shown as the last line rather than the empty one after it.
        const auto offset = std::min(static_cast<std::size_t>(parsed.offset), size > 0 ? size - 1 : 0);
        placed.push_back({ offset, notWellFormed + sentenceOf(parsed.description()) });
        return withLines(std::move(placed), lines);
    }
    checkDocumentLevel(document, placed);
    SessionReferences references;
    forEachElement(document, [&](const pugi::xml_node& element) {
        if (const char* name = repeatedAttribute(element))
            placed.push_back({ OffsetOf(element),
                notWellFormed + "attribute \"" + name + "\" appears twice on <" + element.name() + ">." });
        references.Visit(element);
    });
    std::vector<PlacedFinding> unresolved = references.Resolve(lines);
    std::move(unresolved.begin(), unresolved.end(), std::back_inserter(placed));
    return withLines(std::move(placed), lines);
}

} // namespace

Findings CheckSessionText(std::string_view text)
{
    std::string copy(text);
    return checkInPlace(copy.data(), copy.size());
}

CheckResult CheckSessionFile(const std::string& path)
{
    CheckResult result;
    platform::FileBytes bytes;
    result.errorNumber = platform::ReadWholeFile(path, bytes);
    if (result.errorNumber == platform::ErrorNumber::None) {
        try {
            result.findings = checkInPlace(bytes.data.get(), bytes.size);
        } catch (const std::bad_alloc&) {
            result.errorNumber = platform::ErrorNumber::OutOfMemory;
        }
    }
    if (result.errorNumber != platform::ErrorNumber::None)
        result.description = platform::ErrorDescription(result.errorNumber);
    return result;
}

} // namespace tandem::verify
