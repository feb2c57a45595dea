#pragma once

#include "session_lines.h"

#include "file_view.h"

#include <string>
#include <thread>

namespace tandem::engine {

// Opens and splits session 2 on a thread of its own while session 1 is
// split on the caller's: each split is bound by reading its file's memory,
// and two cores read twice as much. Where no thread can be started, the
// work is done in Wait instead. Nothing is reported until Wait, so that the
// caller still reports session 1's faults first.
class BackgroundSplit {
public:
    BackgroundSplit(platform::FileView& view, const std::string& path, SessionLines& lines);
    ~BackgroundSplit();
    BackgroundSplit(const BackgroundSplit&) = delete;
    BackgroundSplit& operator=(const BackgroundSplit&) = delete;

    // Waits for the work; after it, the fields below tell how it went.
    void Wait();

    // A Tandem error number from opening the file, 0 when it opened.
    int openError = 0;
    // The file was read to its end: it was not cut short while mapped.
    bool whole = false;
    // The text split: it holds no NUL byte.
    bool text = false;
    bool outOfMemory = false;

private:
    void run();

    platform::FileView& view_;
    const std::string& path_;
    SessionLines& lines_;
    std::thread thread_;
    bool done_ = false;
};

} // namespace tandem::engine
