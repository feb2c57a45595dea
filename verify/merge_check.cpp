#include "merge_check.h"

#include "session_census.h"
#include "session_check.h"

#include "errors.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>

namespace tandem::verify {

namespace {

// Pieces of the combined session waiting for the check, at most, and the
// size of each, however large a write: a line of hundreds of megabytes is
// queued a piece at a time too.
constexpr std::size_t queuedPieces = 8;
constexpr std::size_t pieceSize = std::size_t{ 1 } << 20;

} // namespace

MergeCheck::MergeCheck(std::string firstPath, std::string secondPath, LeftOut leftOut)
    : firstPath_(std::move(firstPath))
    , secondPath_(std::move(secondPath))
    , leftOut_(std::move(leftOut))
{
    try {
        inputs_ = std::thread([this] { checkInputs(); });
        output_ = std::thread([this] { checkWritten(); });
        live_ = true;
    } catch (const std::system_error&) {
        stop();
    }
}

MergeCheck::~MergeCheck() { stop(); }

void MergeCheck::stop()
{
    {
        std::lock_guard<std::mutex> lock(guard_);
        ended_ = true;
    }
    changed_.notify_all();
    if (inputs_.joinable())
        inputs_.join();
    if (output_.joinable())
        output_.join();
}

void MergeCheck::checkInputs()
{
    first_ = CheckSessionFile(firstPath_);
    second_ = CheckSessionFile(secondPath_);
}

void MergeCheck::checkWritten()
{
    try {
        SessionCensus census;
        for (;;) {
            std::vector<char> piece;
            {
                std::unique_lock<std::mutex> lock(guard_);
                changed_.wait(lock, [this] { return ended_ || writtenGivenUp_ || !pending_.empty(); });
                if (writtenGivenUp_)
                    break;
                if (pending_.empty()) {
                    lock.unlock();
                    census.Read(0);
                    written_ = census.Result();
                    return;
                }
                piece = std::move(pending_.front());
                pending_.pop_front();
            }
            changed_.notify_all();
            for (std::size_t at = 0; at < piece.size();) {
                const auto [room, size] = census.Room();
                const std::size_t part = std::min(size, piece.size() - at);
                std::memcpy(room, piece.data() + at, part);
                census.Read(part);
                at += part;
            }
            std::lock_guard<std::mutex> lock(guard_);
            spare_.push_back(std::move(piece));
        }
    } catch (const std::bad_alloc&) {
        giveUpWritten();
    }
    // Given up here or by the merge's thread: out of memory either way.
    written_ = CheckResult{};
    written_.errorNumber = platform::ErrorNumber::OutOfMemory;
    written_.description = platform::ErrorDescription(written_.errorNumber);
}

// The merge no longer waits for the check of what it writes, nor hands it
// more; what is queued is let go.
void MergeCheck::giveUpWritten()
{
    {
        std::lock_guard<std::mutex> lock(guard_);
        writtenGivenUp_ = true;
        pending_.clear();
        spare_.clear();
    }
    changed_.notify_all();
}

void MergeCheck::Written(const char* data, std::size_t size)
{
    if (!live_)
        return;
    while (size > 0) {
        const std::size_t part = std::min(size, pieceSize);
        std::unique_lock<std::mutex> lock(guard_);
        changed_.wait(lock, [this] { return writtenGivenUp_ || pending_.size() < queuedPieces; });
        if (writtenGivenUp_)
            return;
        try {
            std::vector<char> piece;
            if (!spare_.empty()) {
                piece = std::move(spare_.back());
                spare_.pop_back();
            }
            piece.assign(data, data + part);
            pending_.push_back(std::move(piece));
        } catch (const std::bad_alloc&) {
            lock.unlock();
            giveUpWritten();
            return;
        }
        lock.unlock();
        changed_.notify_all();
        data += part;
        size -= part;
    }
}

CombinedCheck MergeCheck::Finish(const std::string& combinedPath)
{
    if (!live_)
        return CheckCombinedSession(firstPath_, secondPath_, combinedPath, leftOut_);
    stop();
    return CompareSessions(firstPath_, secondPath_, combinedPath, first_, second_, written_, leftOut_);
}

} // namespace tandem::verify
