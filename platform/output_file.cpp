#include "errors.h"
#include "file_io.h"
#include "temp_files.h"

namespace tandem::platform {

OutputFile::~OutputFile() { Discard(); }

int OutputFile::Commit()
{
    if (tempPath_.empty())
        return ErrorNumber::PathFileAccessError;
    int result = flushToDisk();
    if (result == ErrorNumber::None)
        result = closeHandle();
    if (result == ErrorNumber::None)
        result = moveOntoFinalPath();
    if (result != ErrorNumber::None) {
        Discard();
        return result;
    }
    UnregisterTempFile(interruptSlot_);
    interruptSlot_ = -1;
    tempPath_.clear();
    flushFolder();
    return ErrorNumber::None;
}

void OutputFile::Discard()
{
    closeHandle();
    if (!tempPath_.empty()) {
        removeTempFile();
        tempPath_.clear();
    }
    UnregisterTempFile(interruptSlot_);
    interruptSlot_ = -1;
}

} // namespace tandem::platform
