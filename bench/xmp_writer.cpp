#include "xmp_writer.h"

#include "tag.h"
#include "value_text.h"

#include <string>
#include <string_view>

namespace tandem::bench {

namespace {

// XMP lays its packet out with three spaces per level, from column 0.
void xmpLine(LineSink& sink, int depth, std::string_view text)
{
    sink.Raw(std::string(static_cast<std::size_t>(depth) * 3, ' '));
    sink.Raw(text);
    sink.Blank();
}

struct MarkerKind {
    const char* trackName;
    const char* trackType;
    const char* entryName;
    bool hasDuration;
};

void writeMarkerTrack(LineSink& sink, RandomSource& random, const SessionPlan& plan, const MarkerKind& kind, int count)
{
    xmpLine(sink, 5, "<rdf:li rdf:parseType=\"Resource\">");
    xmpLine(sink, 6, TextElement("xmpDM:trackName", kind.trackName));
    xmpLine(sink, 6, TextElement("xmpDM:trackType", kind.trackType));
    xmpLine(sink, 6, TextElement("xmpDM:frameRate", "f" + std::to_string(plan.sampleRate)));
    xmpLine(sink, 6, "<xmpDM:markers>");
    xmpLine(sink, 7, "<rdf:Seq>");
    const std::int64_t spacing = plan.duration / (count + 1);
    std::int64_t time = 0;
    for (int marker = 0; marker < count; ++marker) {
        time += spacing / 2 + random.Below(spacing);
        xmpLine(sink, 8, "<rdf:li rdf:parseType=\"Resource\">");
        xmpLine(sink, 9, TextElement("xmpDM:startTime", std::to_string(time)));
        if (kind.hasDuration)
            xmpLine(sink, 9, TextElement("xmpDM:duration", std::to_string(1 + random.Below(spacing / 2 + 1))));
        // Names follow creation, not time, so they are not in time order.
        xmpLine(
            sink, 9, TextElement("xmpDM:name", std::string(kind.entryName) + " " + Padded(random.Below(count) + 1, 4)));
        xmpLine(sink, 8, "</rdf:li>");
    }
    xmpLine(sink, 7, "</rdf:Seq>");
    xmpLine(sink, 6, "</xmpDM:markers>");
    xmpLine(sink, 5, "</rdf:li>");
}

void writeHistory(LineSink& sink, RandomSource& random, const std::string& tool)
{
    xmpLine(sink, 3, "<xmpMM:History>");
    xmpLine(sink, 4, "<rdf:Seq>");
    for (int save = 0; save < 24; ++save) {
        xmpLine(sink, 5, "<rdf:li rdf:parseType=\"Resource\">");
        xmpLine(sink, 6, TextElement("stEvt:action", "saved"));
        xmpLine(sink, 6, TextElement("stEvt:instanceID", "xmp.iid:" + Guid(random)));
        xmpLine(sink, 6, TextElement("stEvt:when", "2024-09-" + Padded(1 + save, 2) + "T15:34:26-07:00"));
        xmpLine(sink, 6, TextElement("stEvt:softwareAgent", tool));
        xmpLine(sink, 6, TextElement("stEvt:changed", save % 2 == 0 ? "/metadata" : "/"));
        xmpLine(sink, 5, "</rdf:li>");
    }
    xmpLine(sink, 4, "</rdf:Seq>");
    xmpLine(sink, 3, "</xmpMM:History>");
}

} // namespace

void WriteXmpMetadata(LineSink& sink, RandomSource& random, const SessionPlan& plan)
{
    const std::string tool = std::string("Adobe Audition ") + plan.appVersion + " (Windows)";
    sink.Line(2, "<xmpMetadata><![CDATA[<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>");
    xmpLine(sink, 0,
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\" x:xmptk=\"Adobe XMP Core 9.0-c001 152.deb9585, "
        "2024/02/06-08:36:10        \">");
    xmpLine(sink, 1, "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">");
    xmpLine(sink, 2, "<rdf:Description rdf:about=\"\"");
    xmpLine(sink, 4, "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"");
    xmpLine(sink, 4, "xmlns:xmpDM=\"http://ns.adobe.com/xmp/1.0/DynamicMedia/\"");
    xmpLine(sink, 4, "xmlns:xmpMM=\"http://ns.adobe.com/xap/1.0/mm/\"");
    xmpLine(sink, 4, "xmlns:stEvt=\"http://ns.adobe.com/xap/1.0/sType/ResourceEvent#\"");
    xmpLine(sink, 4, "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">");
    xmpLine(sink, 3, TextElement("xmp:CreatorTool", tool));
    xmpLine(sink, 3, TextElement("xmp:CreateDate", "2024-03-11T18:52:20-04:00"));
    xmpLine(sink, 3, TextElement("xmp:MetadataDate", "2024-09-27T17:52:55-07:00"));
    xmpLine(sink, 3, TextElement("xmp:ModifyDate", "2024-09-27T17:52:55-07:00"));
    xmpLine(sink, 3, "<xmpDM:Tracks>");
    xmpLine(sink, 4, "<rdf:Bag>");
    writeMarkerTrack(sink, random, plan, { "CuePoint Markers", "Cue", "Marker", false }, plan.cueMarkerCount);
    writeMarkerTrack(sink, random, plan, { "CD Track Markers", "Track", "Track", false }, plan.cdMarkerCount);
    writeMarkerTrack(sink, random, plan, { "Subclip Markers", "InOut", "Subclip", true }, plan.subclipMarkerCount);
    xmpLine(sink, 4, "</rdf:Bag>");
    xmpLine(sink, 3, "</xmpDM:Tracks>");
    xmpLine(sink, 3, TextElement("xmpMM:InstanceID", "xmp.iid:" + Guid(random)));
    xmpLine(sink, 3, TextElement("xmpMM:DocumentID", "xmp.did:" + Guid(random)));
    xmpLine(sink, 3, TextElement("xmpMM:OriginalDocumentID", "xmp.did:" + Guid(random)));
    writeHistory(sink, random, tool);
    xmpLine(sink, 3, TextElement("dc:format", "application/xml"));
    xmpLine(sink, 2, "</rdf:Description>");
    xmpLine(sink, 1, "</rdf:RDF>");
    xmpLine(sink, 0, "</x:xmpmeta>");
    const std::string padding(100, ' ');
    for (int line = 0; line < 20; ++line)
        xmpLine(sink, 0, padding);
    xmpLine(sink, 0, padding.substr(0, 27));
    xmpLine(sink, 0, "<?xpacket end=\"w\"?>]]></xmpMetadata>");
}

} // namespace tandem::bench
