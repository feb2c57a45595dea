#include "session_check.h"

#include "session_census.h"

#include "errors.h"
#include "file_io.h"

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

} // namespace

CheckResult CheckSessionFile(const std::string& path)
{
    try {
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
