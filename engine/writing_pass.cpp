#include "writing_pass.h"

#include "line_tests.h"
#include "numbers.h"
#include "section_merge.h"
#include "track_merge.h"

#include <algorithm>

namespace tandem::engine {

namespace {

// Placed in time, session 2 may now end after session 1: the session lasts
// until the later end, when both say how long they last.
void WriteSessionLine(MergeContext& context, std::string_view line)
{
    const MergeChoices& choices = context.choices;
    const auto duration1 = choices.placed ? ReadAttributeTime(line, Marker::Duration) : std::nullopt;
    if (!duration1 || !choices.duration2 || !HasClosedAttribute(line, Marker::Duration)) {
        context.out.WriteLine(line);
        return;
    }
    const std::int64_t end2 = CheckedAdd64(choices.offset, *choices.duration2);
    context.out.WriteLine(*ReplaceAttributeValue(line, Marker::Duration, std::max(*duration1, end2)));
}

} // namespace

void WriteMergedSession(MergeContext& context, std::string_view nameLine)
{
    const SessionLines& lines = context.session1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (StartsWith(line, "<session "))
            WriteSessionLine(context, line);
        else if (StartsWith(line, "<name>"))
            context.out.WriteLine(nameLine);
        else if (StartsWith(line, "<tracks>"))
            i = MergeTracks(context, i);
        else if (StartsWith(line, "<sessionState "))
            i = CopySessionState(context, i);
        else if (StartsWith(line, "<xmpMetadata>"))
            i = MergeMetadata(context, i);
        else if (StartsWith(line, "<clipGroups>"))
            i = MergeClipGroups(context, i);
        else if (StartsWith(line, "<clipGroups/>"))
            i = FillEmptyClipGroups(context, i);
        else if (StartsWith(line, "<metronome "))
            i = CopyMetronome(context, i);
        else if (StartsWith(line, "<files"))
            i = MergeFiles(context, i);
        else
            context.out.WriteLine(line);
    }
}

} // namespace tandem::engine
