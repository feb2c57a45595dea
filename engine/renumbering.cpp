#include "renumbering.h"

#include "numbers.h"

#include <algorithm>

namespace tandem::engine {

std::int32_t NewTrackId(std::int32_t id, const MergeState& state)
{
    const std::int32_t shifted = CheckedAdd(id, state.maxTrackId);
    return state.maxTrackId > TrackIdThreshold ? CheckedAdd(shifted, -TrackIdThreshold) : shifted;
}

std::int32_t NewFileId(std::int32_t fileId, const MergeState& state)
{
    return CheckedAdd(CheckedAdd(fileId, state.maxFileId), 1);
}

std::int32_t NewTrackIndex(std::int32_t index, const MergeState& state)
{
    return CheckedAdd(index, state.maxTrackIndex);
}

std::int32_t NewMasterIndex(const MergeState& state)
{
    return std::max(CheckedAdd(state.maxNewIndex, 1), state.maxTrackIndex);
}

std::int32_t NewMasterId(std::int32_t masterId1, std::int32_t masterId2)
{
    return CheckedAdd(masterId1, std::int64_t{ masterId2 } - 1);
}

std::optional<std::int32_t> NewSession1Target(std::int32_t target, const MergeState& state)
{
    if (state.ownMasterId1 && target == *state.ownMasterId1)
        return state.masterId;
    return std::nullopt;
}

std::optional<std::int32_t> NewSession2Target(std::int32_t target, const MergeState& state)
{
    if (state.ownMasterId2 && target == *state.ownMasterId2)
        return state.masterId;
    if (target > TrackIdThreshold)
        return NewTrackId(target, state);
    return std::nullopt;
}

} // namespace tandem::engine
