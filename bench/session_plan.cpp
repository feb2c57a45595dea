#include "session_plan.h"

#include "random_source.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tandem::bench {

namespace {

constexpr int MasterId = 10000;

struct AppRelease {
    const char* sesxVersion;
    const char* appVersion;
    const char* appBuild;
};

// Releases that write only the send slots in use, as the files seen from
// version 1.5 on do.
constexpr AppRelease Releases[] = {
    { "1.9", "22.6", "22.6.0.66" },
    { "1.9", "24.6", "24.6.0.69" },
    { "1.9", "25.0", "25.0.0.47" },
};

// Ids grow in creation order with gaps where tracks were deleted.
int nextTrackId(RandomSource& random, int previous) { return previous + (random.Chance(6) ? 2 + random.Below(3) : 1); }

int scaled(std::uint64_t targetBytes, std::uint64_t bytesPerItem, int least)
{
    return std::max(least, static_cast<int>(targetBytes / bytesPerItem));
}

std::vector<BusPlan> planBuses(RandomSource& random, int firstId)
{
    std::vector<BusPlan> buses(static_cast<std::size_t>(random.Between(8, 24)));
    int id = firstId;
    for (auto& bus : buses) {
        bus.id = id;
        id = nextTrackId(random, id);
    }
    for (std::size_t position = 0; position < buses.size(); ++position) {
        const std::size_t later = buses.size() - position - 1;
        auto pickLater = [&] {
            return buses[position + 1 + static_cast<std::size_t>(random.Below(static_cast<std::int64_t>(later)))].id;
        };
        buses[position].outputId = later > 0 && random.Chance(30) ? pickLater() : MasterId;
        if (later > 0 && random.Chance(25))
            buses[position].sendIds.push_back(pickLater());
    }
    return buses;
}

// Display order: file order with the buses moved in among the audio tracks
// and a few audio tracks dragged elsewhere, so ids are not in index order.
void assignIndexes(RandomSource& random, SessionPlan& plan)
{
    const std::size_t audioCount = plan.audioIds.size();
    std::vector<int> indexes(audioCount + plan.buses.size());
    for (std::size_t position = 0; position < indexes.size(); ++position)
        indexes[position] = static_cast<int>(position) + 1;
    for (std::size_t bus = audioCount; bus < indexes.size(); ++bus)
        std::swap(indexes[bus], indexes[static_cast<std::size_t>(random.Below(static_cast<std::int64_t>(bus + 1)))]);
    for (std::size_t moves = audioCount / 50; moves > 0; --moves) {
        const auto from = static_cast<std::size_t>(random.Below(static_cast<std::int64_t>(audioCount)));
        const auto to = static_cast<std::size_t>(random.Below(static_cast<std::int64_t>(audioCount)));
        std::swap(indexes[from], indexes[to]);
    }
    plan.audioIndexes.assign(indexes.begin(), indexes.begin() + static_cast<std::ptrdiff_t>(audioCount));
    for (std::size_t bus = 0; bus < plan.buses.size(); ++bus)
        plan.buses[bus].index = indexes[audioCount + bus];
    plan.masterIndex = static_cast<int>(indexes.size()) + 1;
}

} // namespace

SessionPlan PlanSession(std::uint64_t seed, std::uint64_t targetBytes, int audioTrackCount)
{
    RandomSource random(seed);
    SessionPlan plan;
    plan.seed = seed;
    const AppRelease& release = Releases[random.Below(std::size(Releases))];
    plan.sesxVersion = release.sesxVersion;
    plan.appVersion = release.appVersion;
    plan.appBuild = release.appBuild;
    plan.sampleRate = 48000;
    plan.duration = plan.sampleRate * random.Between(3600, 4 * 3600);

    int id = MasterId;
    for (int track = 0; track < audioTrackCount; ++track) {
        id = nextTrackId(random, id);
        plan.audioIds.push_back(id);
    }
    plan.buses = planBuses(random, nextTrackId(random, id));
    assignIndexes(random, plan);

    // One file per audio track keeps every file referenced by some clip.
    plan.fileCount = std::max(1, audioTrackCount);
    plan.clipGroupCount = scaled(targetBytes, 40 << 10, 2);
    plan.cueMarkerCount = scaled(targetBytes, 10 << 10, 2);
    plan.cdMarkerCount = scaled(targetBytes, 80 << 10, 1);
    plan.subclipMarkerCount = scaled(targetBytes, 40 << 10, 1);
    return plan;
}

} // namespace tandem::bench
