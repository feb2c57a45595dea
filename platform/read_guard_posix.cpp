#include "read_guard.h"

#include <csetjmp>
#include <csignal>
#include <mutex>

namespace tandem::platform {

namespace {

thread_local sigjmp_buf* guarded = nullptr;
thread_local const void* faultAddress = nullptr;
struct sigaction previousAction;

// A fault outside guarded work is what it was before the guard: the
// previous handler (usually none) takes it when the access is repeated.
void onBusError(int signal, siginfo_t* info, void* context)
{
    if (guarded) {
        faultAddress = info->si_addr;
        siglongjmp(*guarded, 1);
    }
    (void)context;
    sigaction(signal, &previousAction, nullptr);
}

void installHandler()
{
    struct sigaction action { };
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousAction);
}

} // namespace

bool RunReading(const std::function<void()>& work, const void*& failedAddress)
{
    static std::once_flag installed;
    std::call_once(installed, installHandler);
    sigjmp_buf here;
    sigjmp_buf* const outer = guarded;
    if (sigsetjmp(here, 1) != 0) {
        guarded = outer;
        failedAddress = faultAddress;
        return false;
    }
    guarded = &here;
    try {
        work();
    } catch (...) {
        guarded = outer;
        throw;
    }
    guarded = outer;
    return true;
}

} // namespace tandem::platform
