#include "background_split.h"

#include "read_guard.h"

#include <new>
#include <system_error>

namespace tandem::engine {

BackgroundSplit::BackgroundSplit(platform::FileView& view, const std::string& path, SessionLines& lines)
    : view_(view)
    , path_(path)
    , lines_(lines)
{
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        // Wait does the work.
    }
}

BackgroundSplit::~BackgroundSplit() { Wait(); }

void BackgroundSplit::Wait()
{
    if (thread_.joinable())
        thread_.join();
    else if (!done_)
        run();
    done_ = true;
}

void BackgroundSplit::run()
{
    openError = view_.Open(path_);
    if (openError != 0)
        return;
    try {
        // The guard is the thread's own: a file cut short under this thread
        // ends this work only.
        const void* unreadable = nullptr;
        whole = platform::RunReading([this] { text = lines_.Split(view_.Text()); }, unreadable);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
}

} // namespace tandem::engine
