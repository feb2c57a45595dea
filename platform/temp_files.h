#pragma once

#include <string>

namespace tandem::platform {

// Temporary files of combined sessions in the making are called
// ".tandem-<machine>-<process>-<random>.tmp": the machine and process they
// belong to are in the name, so that a later run can tell the file of a run
// that was killed from one that a running program is still writing.
std::string TempFileName();

// Removes the temporary files in `folder` that belong to a process of this
// machine that no longer runs. Files of other machines (a shared folder) and
// of running processes are left alone.
void RemoveAbandonedTempFiles(const std::string& folder);

// While a temporary file is registered, ending the program with Ctrl-C,
// SIGTERM or SIGHUP (a console close on Windows) removes it first. Returns
// a slot for UnregisterTempFile, or -1 when every slot is taken.
int RegisterTempFile(const std::string& path);
void UnregisterTempFile(int slot);

} // namespace tandem::platform
