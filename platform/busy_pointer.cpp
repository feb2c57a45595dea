#include "busy_pointer.h"

namespace tandem::platform {

namespace {

int depth = 0;

std::function<void(bool)>& hook()
{
    static std::function<void(bool)> installed;
    return installed;
}

} // namespace

BusyPointer::BusyPointer()
{
    if (depth++ == 0 && hook())
        hook()(true);
}

BusyPointer::~BusyPointer()
{
    if (--depth == 0 && hook())
        hook()(false);
}

bool BusyPointer::IsBusy() { return depth > 0; }

void BusyPointer::InstallHook(std::function<void(bool busy)> newHook) { hook() = std::move(newHook); }

} // namespace tandem::platform
