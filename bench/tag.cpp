#include "tag.h"

namespace tandem::bench {

Tag::Tag(std::string_view name)
{
    text_.reserve(160);
    text_ += '<';
    text_ += name;
}

Tag& Tag::Attr(std::string_view name, std::string_view value)
{
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    text_ += value;
    text_ += '"';
    return *this;
}

Tag& Tag::Attr(std::string_view name, std::int64_t value) { return Attr(name, std::to_string(value)); }

std::string TextElement(std::string_view name, std::string_view text)
{
    std::string line;
    line.reserve(name.size() * 2 + text.size() + 5);
    line += '<';
    line += name;
    line += '>';
    line += text;
    line += Closing(name);
    return line;
}

std::string Closing(std::string_view name)
{
    std::string line = "</";
    line += name;
    line += '>';
    return line;
}

} // namespace tandem::bench
