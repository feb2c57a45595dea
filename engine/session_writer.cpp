#include "session_writer.h"

#include "merge_failure.h"

#include "errors.h"

#include <charconv>
#include <cstring>

namespace tandem::engine {

namespace {

constexpr std::size_t bufferSize = std::size_t{ 1 } << 20;
constexpr std::string_view lineEnd = "\r\n";
// Room for any 64-bit number with its sign.
constexpr std::size_t numberRoom = 21;

} // namespace

SessionWriter::SessionWriter(platform::OutputFile& file, Observer written)
    : file_(file)
    , written_(std::move(written))
    , buffer_(new char[bufferSize])
{
}

void SessionWriter::write(const char* data, std::size_t size)
{
    if (const int result = file_.Write(data, size))
        FailMerge(result);
    if (written_)
        written_(data, size);
}

void SessionWriter::Flush()
{
    if (used_ == 0)
        return;
    const std::size_t used = used_;
    used_ = 0;
    write(buffer_.get(), used);
}

void SessionWriter::append(std::string_view text)
{
    // An empty piece of a rewritten line may be a view of nothing at all,
    // whose null pointer memcpy must not be given even for no bytes.
    if (text.empty())
        return;
    if (text.size() > bufferSize - used_) {
        Flush();
        if (text.size() > bufferSize) {
            // Lines longer than the buffer go straight to the file.
            write(text.data(), text.size());
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

void SessionWriter::appendNumber(std::int64_t value)
{
    if (bufferSize - used_ < numberRoom)
        Flush();
    char* const at = buffer_.get() + used_;
    used_ += static_cast<std::size_t>(std::to_chars(at, at + numberRoom, value).ptr - at);
}

void SessionWriter::endLine() { append(lineEnd); }

void SessionWriter::WriteLine(std::string_view line)
{
    append(line);
    endLine();
}

void SessionWriter::WriteLine(const RewrittenLine& line)
{
    append(line.text[0]);
    for (int i = 0; i < line.numbers; ++i) {
        appendNumber(line.number[static_cast<std::size_t>(i)]);
        append(line.text[static_cast<std::size_t>(i) + 1]);
    }
    endLine();
}

} // namespace tandem::engine
