#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tandem::bench {

// How a generated session's lines are laid out: Audition's own LF and two
// spaces a level, or what other editors leave behind.
struct Layout {
    std::string_view lineEnd = "\n";
    bool tabs = false;
};

// Writes a session one line at a time through stdio's buffer,
// so writing a session of any size takes the same little memory. A sink
// made without a path only counts bytes: the generator uses one to learn
// how large a session turns out before it decides how many tracks to write.
class LineSink {
public:
    explicit LineSink(Layout layout = {})
        : layout_(layout)
    {
    }
    // Throws std::runtime_error when the file cannot be created.
    LineSink(const std::string& path, Layout layout);
    ~LineSink();
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;

    // The text indented by two spaces, or a TAB, per level of `depth`.
    void Line(int depth, std::string_view text);
    void Blank() { Raw(layout_.lineEnd); }
    void Raw(std::string_view text);
    // Throws std::runtime_error when any write failed.
    void Close();

    std::uint64_t Bytes() const { return bytes_; }

private:
    Layout layout_;
    std::FILE* file_ = nullptr;
    std::string path_;
    std::uint64_t bytes_ = 0;
    bool failed_ = false;
};

} // namespace tandem::bench
