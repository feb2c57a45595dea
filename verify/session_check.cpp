#include "session_check.h"

#include "session_census.h"

#include "errors.h"
#include "file_io.h"
#include "file_view.h"
#include "read_guard.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tandem::verify {

namespace {

CheckResult failed(int errorNumber)
{
    CheckResult result;
    result.errorNumber = errorNumber;
    result.description = platform::ErrorDescription(errorNumber);
    return result;
}

// A mapped file is read where it lies, and released as it is read but for
// a margin, which a tag's look back to its line start may read again; a file
// cut short meanwhile is a read error.
CheckResult checkMapped(platform::FileView& view)
{
    SessionCensus census;
    constexpr std::size_t margin = 1 << 16;
    const void* unreadable = nullptr;
    const bool whole = platform::RunReading(
        [&] {
            census.ReadWhole(
                view.Text(), [&view](std::size_t passed) { view.Release(passed > margin ? passed - margin : 0); });
        },
        unreadable);
    if (!whole)
        return failed(platform::ErrorNumber::InputPastEndOfFile);
    return census.Result();
}

} // namespace

CheckResult CheckSessionFile(const std::string& path)
{
    try {
        platform::FileView view;
        if (const int error = view.Open(path, platform::FileView::Unmappable::Leave))
            return failed(error);
        if (view.Mapped())
            return checkMapped(view);
        platform::InputFile file;
        if (const int error = file.Open(path))
            return failed(error);
        SessionCensus census;
        for (;;) {
            const auto [room, size] = census.Room();
            std::size_t got = 0;
            if (const int error = file.Read(room, size, got))
                return failed(error);
            census.Read(got);
            if (got == 0)
                break;
        }
        return census.Result();
    } catch (const std::bad_alloc&) {
        // Out of memory says nothing about the session itself.
        return failed(platform::ErrorNumber::OutOfMemory);
    }
}

CheckResult CheckSessionText(std::string_view text, std::size_t pieceSize)
{
    try {
        SessionCensus census;
        pieceSize = std::max<std::size_t>(pieceSize, 1);
        for (std::size_t at = 0; at < text.size();) {
            const auto [room, size] = census.Room();
            const std::size_t piece = std::min({ pieceSize, size, text.size() - at });
            std::memcpy(room, text.data() + at, piece);
            census.Read(piece);
            at += piece;
        }
        census.Read(0);
        return census.Result();
    } catch (const std::bad_alloc&) {
        return failed(platform::ErrorNumber::OutOfMemory);
    }
}

} // namespace tandem::verify
