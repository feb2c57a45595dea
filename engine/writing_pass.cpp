#include "writing_pass.h"

#include "line_tests.h"
#include "section_merge.h"
#include "track_merge.h"

namespace tandem::engine {

void WriteMergedSession(MergeContext& context, std::string_view nameLine)
{
    const SessionLines& lines = context.session1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (StartsWith(line, "<session "))
            context.out.WriteLine(line);
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
