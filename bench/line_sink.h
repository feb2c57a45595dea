#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tandem::bench {

// Writes a session one LF-terminated line at a time through stdio's buffer,
// so writing a session of any size takes the same little memory. A sink
// made without a path only counts bytes: the generator uses one to learn
// how large a session turns out before it decides how many tracks to write.
class LineSink {
public:
    LineSink() = default;
    // Throws std::runtime_error when the file cannot be created.
    explicit LineSink(const std::string& path);
    ~LineSink();
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;

    // The text indented by two spaces per level of `depth`.
    void Line(int depth, std::string_view text);
    void Blank() { Raw("\n"); }
    void Raw(std::string_view text);
    // Throws std::runtime_error when any write failed.
    void Close();

    std::uint64_t Bytes() const { return bytes_; }

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    std::uint64_t bytes_ = 0;
    bool failed_ = false;
};

} // namespace tandem::bench
