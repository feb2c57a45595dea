#include "line_tests.h"
#include "numbers.h"
#include "section_merge.h"

#include <utility>

namespace tandem::engine {

namespace {

constexpr std::string_view startTimeOpen = "<xmpDM:startTime>";

// A line of session 2's metadata: a marker's start moves with session 2 in
// time. Only a start written as whole samples is moved.
void writeSession2Line(MergeContext& context, std::string_view line)
{
    const std::size_t close = line.find('<', startTimeOpen.size());
    if (context.choices.offset == 0 || !StartsWith(line, startTimeOpen) || close == std::string_view::npos) {
        context.out.WriteLine(line);
        return;
    }
    const std::string_view value = line.substr(startTimeOpen.size(), close - startTimeOpen.size());
    const bool samples =
        !value.empty() && value.size() < 19 && value.find_first_not_of("0123456789") == std::string_view::npos;
    if (!samples) {
        context.out.WriteLine(line);
        return;
    }
    RewrittenLine moved;
    moved.text[0] = line.substr(0, startTimeOpen.size());
    moved.number[0] = CheckedAdd64(ParseLeadingNumber64(value), context.choices.offset);
    moved.text[1] = line.substr(close);
    context.out.WriteLine(moved);
}

// Writes session 2's lines from `from` up to, not including, the first line
// that starts with `stop`, leaving out its own sequence brackets so the
// entries join session 1's sequence.
void writeSequenceBody(MergeContext& context, std::size_t from, std::string_view stop)
{
    const SessionLines& lines = context.session2;
    for (std::size_t k = from; k < lines.size() && !StartsWith(lines[k], stop); ++k) {
        const std::string_view line = lines[k];
        if (!StartsWith(line, "<rdf:Seq>") && !StartsWith(line, "</rdf:Seq>"))
            writeSession2Line(context, line);
    }
}

// Writes session 1's lines from `from` up to the first line that starts with
// `stop`, then `insert`, then that line. Returns its position (the last
// position when there is none: the block runs to the end of the session).
template <typename Insert>
std::size_t writeUpToAndInsert(MergeContext& context, std::size_t from, std::string_view stop, Insert insert)
{
    const SessionLines& lines = context.session1;
    const std::size_t at = FindLineStartingWith(lines, from, stop);
    WriteLines(lines, from, at - 1, context.out);
    insert();
    if (at == lines.size())
        return lines.size() - 1;
    context.out.WriteLine(lines[at]);
    return at;
}

std::size_t mergeCart(MergeContext& context, std::size_t j)
{
    const std::size_t cart2 = context.state.cartLine2;
    return writeUpToAndInsert(
        context, j, "</rdf:Seq>", [&] { writeSequenceBody(context, cart2 + 1, "<AEScart:PostTimer>"); });
}

std::size_t mergeMarkers(MergeContext& context, std::size_t j, std::size_t list1, std::size_t list2)
{
    if (list1 >= 1) {
        // Session 2's entries follow session 1's inside session 1's sequence.
        return writeUpToAndInsert(
            context, j, "</rdf:Seq>", [&] { writeSequenceBody(context, list2 + 1, "</xmpDM:markers>"); });
    }
    // Session 1 names the kind but has no list: session 2's whole list goes
    // into session 1's entry for the kind.
    return writeUpToAndInsert(context, j, "</rdf:li>", [&] {
        const std::size_t end = BlockEnd(context.session2, list2, "</xmpDM:markers>");
        for (std::size_t k = list2; k <= end; ++k)
            writeSession2Line(context, context.session2[k]);
    });
}

bool endsMetadata(std::string_view line)
{
    return StartsWith(line, "</xmpMetadata>") || (StartsWith(line, "<?xpacket ") && Contains(line, "</xmpMetadata>"));
}

} // namespace

std::size_t CopySessionState(MergeContext& context, std::size_t opening)
{
    const std::size_t end = BlockEnd(context.session1, opening, "</sessionState>");
    WriteLines(context.session1, opening, end, context.out);
    return end;
}

std::size_t MergeMetadata(MergeContext& context, std::size_t opening)
{
    const SessionLines& lines = context.session1;
    MergeState& state = context.state;
    context.out.WriteLine(lines[opening]);
    // A block written on one line is complete as it stands.
    if (Contains(lines[opening], "</xmpMetadata>"))
        return opening;
    // Each of session 2's lists goes in at the first place that takes it.
    const auto takeFirst = [](bool& written) { return !std::exchange(written, true); };
    for (std::size_t j = opening + 1; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        if (StartsWith(line, "<AEScart:Version>") && state.cartLine2 >= 1 && takeFirst(state.cartWritten))
            j = mergeCart(context, j);
        else if (Contains(line, "CuePoint Markers") && state.cueMarkersLine2 >= 1 && takeFirst(state.cueMarkersWritten))
            j = mergeMarkers(context, j, state.cueMarkersLine1, state.cueMarkersLine2);
        else if (Contains(line, "CD Track Markers") && state.cdMarkersLine2 >= 1 && takeFirst(state.cdMarkersWritten))
            j = mergeMarkers(context, j, state.cdMarkersLine1, state.cdMarkersLine2);
        else if (Contains(line, "Subclip Markers") && state.subclipMarkersLine2 >= 1 &&
            takeFirst(state.subclipMarkersWritten))
            j = mergeMarkers(context, j, state.subclipMarkersLine1, state.subclipMarkersLine2);
        else
            context.out.WriteLine(line);
        if (endsMetadata(lines[j]))
            return j;
    }
    return lines.size() - 1;
}

} // namespace tandem::engine
