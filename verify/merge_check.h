#pragma once

#include "check_result.h"
#include "combined_check.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tandem::verify {

// Checks a merge while it runs, on two threads of its own: both inputs are
// read from the start, and the combined session as the merge writes it, so
// that little is left when the merge ends. Where no thread can be started,
// the files are read when the merge has ended instead.
class MergeCheck {
public:
    MergeCheck(std::string firstPath, std::string secondPath, LeftOut leftOut = {});
    ~MergeCheck();
    MergeCheck(const MergeCheck&) = delete;
    MergeCheck& operator=(const MergeCheck&) = delete;

    // The combined session's next bytes, on the merge's thread; waits while
    // the check is far behind, so that it never holds much of them. Never
    // fails the merge: where the check runs out of memory, the combined
    // session is "could not be checked" and the merge goes on.
    void Written(const char* data, std::size_t size);
    // After the merge succeeded: waits for the threads and compares.
    CombinedCheck Finish(const std::string& combinedPath);

private:
    void checkInputs();
    void checkWritten();
    void giveUpWritten();
    void stop();

    std::string firstPath_;
    std::string secondPath_;
    LeftOut leftOut_;
    CheckResult first_;
    CheckResult second_;
    CheckResult written_;
    std::thread inputs_;
    std::thread output_;
    bool live_ = false;

    std::mutex guard_;
    std::condition_variable changed_;
    std::deque<std::vector<char>> pending_;
    std::vector<std::vector<char>> spare_;
    bool ended_ = false;
    // The combined session is no longer checked: out of memory.
    bool writtenGivenUp_ = false;
};

} // namespace tandem::verify
