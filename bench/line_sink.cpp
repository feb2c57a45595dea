#include "line_sink.h"

#include <stdexcept>

namespace tandem::bench {

namespace {

constexpr std::string_view Indentation = "                                                                ";
constexpr std::string_view Tabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

} // namespace

LineSink::LineSink(const std::string& path, Layout layout)
    : layout_(layout)
    , file_(std::fopen(path.c_str(), "wb"))
    , path_(path)
{
    if (!file_)
        throw std::runtime_error("cannot create " + path);
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
}

LineSink::~LineSink()
{
    if (file_)
        std::fclose(file_);
}

void LineSink::Line(int depth, std::string_view text)
{
    const auto levels = static_cast<std::size_t>(depth);
    Raw(layout_.tabs ? Tabs.substr(0, levels) : Indentation.substr(0, levels * 2));
    Raw(text);
    Raw(layout_.lineEnd);
}

void LineSink::Raw(std::string_view text)
{
    bytes_ += text.size();
    if (file_ && std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        failed_ = true;
}

void LineSink::Close()
{
    if (!file_)
        return;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !closed)
        throw std::runtime_error("cannot write " + path_);
}

} // namespace tandem::bench
