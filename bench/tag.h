#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tandem::bench {

// One element line as Audition writes it. Callers add the attributes in
// alphabetical order, as Audition does; values are written as given, so
// they must already be escaped.
class Tag {
public:
    explicit Tag(std::string_view name);

    Tag& Attr(std::string_view name, std::string_view value);
    Tag& Attr(std::string_view name, std::int64_t value);

    std::string Open() const { return text_ + ">"; }
    std::string Empty() const { return text_ + "/>"; }

private:
    std::string text_;
};

// "<name>text</name>" on one line, the way leaf text elements appear.
std::string TextElement(std::string_view name, std::string_view text);
std::string Closing(std::string_view name);

} // namespace tandem::bench
