#include "session_references.h"

#include <charconv>

namespace tandem::verify {

namespace {

constexpr long long masterTrackId = 10000;

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

} // namespace

bool NamesATrackAboveMaster(std::string_view id)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), value);
    if (id.empty() || end != id.data() + id.size())
        return false;
    // Too large for any number is above the master too.
    return (error == std::errc() && value > masterTrackId) || (error == std::errc::result_out_of_range && id[0] != '-');
}

SessionReferences::FirstUse& SessionReferences::ids(Defines kind)
{
    switch (kind) {
    case Defines::Track:
        return tracks_;
    case Defines::MediaFile:
        return files_;
    case Defines::ClipGroup:
        break;
    }
    return clipGroups_;
}

void SessionReferences::Define(Defines kind, std::string_view id, TextPosition at)
{
    const auto [first, added] = ids(kind).emplace(std::string(id), at);
    if (!added)
        duplicates_.push_back({ kind, Use{ std::string(id), at, first->second } });
}

void SessionReferences::Master(TextPosition at) { masters_.push_back(at); }

void SessionReferences::Refer(Refers kind, std::string_view target, TextPosition at, std::string_view owner)
{
    references_.push_back({ kind, target.size(), owner.size(), at });
    texts_.append(target).append(owner);
}

std::vector<PlacedFinding> SessionReferences::Resolve(const LineCounter& lines) const
{
    std::vector<PlacedFinding> findings;
    for (std::size_t i = 1; i < masters_.size(); ++i)
        findings.push_back({ masters_[i],
            "There is more than one master track (the first is on line " + std::to_string(lines.LineOf(masters_[0])) +
                ")." });
    for (const auto& [kind, use] : duplicates_) {
        const char* what = kind == Defines::Track ? "Track" : kind == Defines::MediaFile ? "Media file" : "Clip group";
        findings.push_back({ use.at,
            std::string(what) + " id " + use.id + " is used a second time (first on line " +
                std::to_string(lines.LineOf(use.first)) + ")." });
    }
    std::size_t next = 0;
    for (const Reference& use : references_) {
        const std::string target = texts_.substr(next, use.targetSize);
        // Named in a finding only.
        const auto owner = [&] { return texts_.substr(next + use.targetSize, use.ownerSize); };
        const bool ownerless = use.ownerSize == 0;
        switch (use.kind) {
        case Refers::Clip:
            if (!files_.count(target))
                findings.push_back({ use.at,
                    "Clip " + quoted(owner()) + " uses media file " + target + ", which is not in the file list." });
            break;
        case Refers::Output:
            if (!tracks_.count(target))
                findings.push_back({ use.at,
                    (ownerless ? std::string("A track") : "Track " + owner()) + " sends its output to track " + target +
                        ", which does not exist." });
            break;
        case Refers::Send:
            if (!tracks_.count(target))
                findings.push_back({ use.at,
                    (ownerless ? std::string("A send") : "A send of track " + owner()) + " goes to track " + target +
                        ", which does not exist." });
            break;
        case Refers::GroupMember:
            if (!tracks_.count(target))
                findings.push_back({ use.at,
                    target.empty()
                        ? "Clip group " + owner() + " has a clip that names no track."
                        : "Clip group " + owner() + " has a clip on track " + target + ", which does not exist." });
            break;
        }
        next += use.targetSize + use.ownerSize;
    }
    return findings;
}

} // namespace tandem::verify
