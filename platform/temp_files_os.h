#pragma once

#include <string>

// The operating system's part of temp_files.cpp.
namespace tandem::platform::os {

// Eight hex digits that tell this machine from others sharing a folder.
std::string MachineTag();
unsigned long ProcessId();
bool ProcessRuns(unsigned long id);
// Arranges for RemoveRegisteredTempFiles to run when the program is
// interrupted; called once.
void InstallInterruptCleanup();
void RemoveFile(const std::string& path);

} // namespace tandem::platform::os

namespace tandem::platform {
// Removes every registered temporary file; safe in a signal handler.
void RemoveRegisteredTempFiles();
// The path held by a registered slot, or nullptr: for the handler of an
// interrupt, which must not allocate.
const char* RegisteredTempFile(int slot);
constexpr int TempFileSlots = 4;
} // namespace tandem::platform
