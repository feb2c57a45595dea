#pragma once

#include <functional>

namespace tandem::platform {

// Shows the screen-wide busy (hourglass) pointer while it lives and the
// default pointer again on every way out. Nested busy sections keep the
// busy pointer until the outermost one ends.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    static bool IsBusy();
    // What shows the pointer: called with true when the first busy section
    // starts and false when the last one ends. The program installs one that
    // sets the real pointer; none is installed by default.
    static void InstallHook(std::function<void(bool busy)> hook);
};

} // namespace tandem::platform
