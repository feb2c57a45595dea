#include "temp_files.h"

#include "folder_listing.h"
#include "paths.h"
#include "temp_files_os.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <random>
#include <vector>

namespace tandem::platform {

namespace {

constexpr std::string_view prefix = ".tandem-";
constexpr std::string_view suffix = ".tmp";
constexpr std::size_t longestRegisteredPath = 4096;

enum SlotState : int { Free, Claimed, Ready };

struct Slot {
    std::atomic<int> state{ Free };
    char path[longestRegisteredPath] = {};
};

Slot registry[TempFileSlots];

bool allHex(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// The process id in a temporary file name of this machine, or 0.
unsigned long ownerOnThisMachine(std::string_view name, const std::string& machine)
{
    if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix)
        return 0;
    const std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const auto first = middle.find('-');
    const auto second = first == std::string_view::npos ? first : middle.find('-', first + 1);
    if (second == std::string_view::npos || middle.substr(0, first) != machine || !allHex(middle.substr(second + 1)))
        return 0;
    const std::string_view digits = middle.substr(first + 1, second - first - 1);
    if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    return std::stoul(std::string(digits));
}

std::string randomHex()
{
    static std::mt19937_64 generator{ std::random_device{}() };
    static std::mutex guard;
    static const char digits[] = "0123456789abcdef";
    std::lock_guard<std::mutex> lock(guard);
    std::string text;
    auto bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        text.push_back(digits[bits & 15]);
    return text;
}

} // namespace

std::string TempFileName()
{
    return std::string(prefix) + os::MachineTag() + "-" + std::to_string(os::ProcessId()) + "-" + randomHex() +
        std::string(suffix);
}

void RemoveAbandonedTempFiles(const std::string& folder)
{
    const std::string machine = os::MachineTag();
    const unsigned long self = os::ProcessId();
    std::vector<std::string> abandoned;
    ListFolder(folder.empty() ? std::string(".") : folder, [&](const FolderEntry& entry) {
        if (entry.directory)
            return true;
        const unsigned long owner = ownerOnThisMachine(entry.name, machine);
        if (owner != 0 && owner != self && !os::ProcessRuns(owner))
            abandoned.push_back(entry.name);
        return true;
    });
    for (const std::string& name : abandoned)
        os::RemoveFile(folder.empty() ? name : AddTrailingBackslash(folder) + name);
}

int RegisterTempFile(const std::string& path)
{
    static std::once_flag installed;
    std::call_once(installed, os::InstallInterruptCleanup);
    if (path.size() >= longestRegisteredPath)
        return -1;
    for (int i = 0; i < TempFileSlots; ++i) {
        int expected = Free;
        if (registry[i].state.compare_exchange_strong(expected, Claimed)) {
            std::memcpy(registry[i].path, path.c_str(), path.size() + 1);
            registry[i].state.store(Ready);
            return i;
        }
    }
    return -1;
}

void UnregisterTempFile(int slot)
{
    if (slot >= 0 && slot < TempFileSlots)
        registry[slot].state.store(Free);
}

const char* RegisteredTempFile(int slot)
{
    return registry[slot].state.load() == Ready ? registry[slot].path : nullptr;
}

} // namespace tandem::platform
