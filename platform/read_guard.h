#pragma once

#include <functional>

namespace tandem::platform {

// Runs `work`, which reads mapped files. When a mapped file shrinks under
// it (another program cuts it short) or its disk fails, reading there ends
// the work at once and RunReading gives false, with the address that could
// not be read, instead of the program being killed. Work that returns, or
// throws, passes as it would without the guard. On the false way out the
// objects the work itself made are not destroyed: it keeps what it owns in
// objects made before.
bool RunReading(const std::function<void()>& work, const void*& failedAddress);

} // namespace tandem::platform
