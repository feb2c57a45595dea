#include "read_guard.h"

namespace tandem::platform {

// Windows refuses to cut short a file that is mapped, and only files on
// fixed drives are mapped, so there is nothing to catch.
bool RunReading(const std::function<void()>& work, const void*& failedAddress)
{
    failedAddress = nullptr;
    work();
    return true;
}

} // namespace tandem::platform
