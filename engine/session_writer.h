#pragma once

#include "rewritten_line.h"

#include "file_io.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace tandem::engine {

// Writes the combined session line by line, each line followed by CR LF,
// through one large buffer. A failed write ends the merge (MergeFailure).
class SessionWriter {
public:
    // `written`, when set, sees every piece as it goes to the file.
    using Observer = std::function<void(const char* data, std::size_t size)>;
    SessionWriter(platform::OutputFile& file, Observer written = nullptr);
    SessionWriter(const SessionWriter&) = delete;
    SessionWriter& operator=(const SessionWriter&) = delete;

    void WriteLine(std::string_view line);
    void WriteLine(const RewrittenLine& line);
    // Hands everything buffered to the file.
    void Flush();

private:
    void append(std::string_view text);
    void appendNumber(std::int64_t value);
    void endLine();

    void write(const char* data, std::size_t size);

    platform::OutputFile& file_;
    Observer written_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

} // namespace tandem::engine
