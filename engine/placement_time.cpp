#include "placement_time.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace tandem::engine {

namespace {

bool allDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Digits, with a point or not, as a number, whatever the user's locale and
// however many digits there are: a number too large for a double is
// infinite (the merge reports it as too large), one too small is 0.
double number(const std::string& digits)
{
    double value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc::result_out_of_range)
        return digits.find_first_of("123456789") < digits.find('.') ? HUGE_VAL : 0;
    return value;
}

} // namespace

std::optional<PlacementTime> ParsePlacementTime(const std::string& text)
{
    if (allDigits(text)) {
        if (text.size() > 18)
            return std::nullopt;
        return PlacementTime{ std::stoll(text), 0 };
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        fields.push_back(text.substr(start, colon - start));
    fields.push_back(text.substr(start));
    if (fields.size() > 3)
        return std::nullopt;
    // The last field holds the seconds, with or without a fraction.
    const std::string& last = fields.back();
    const std::size_t dot = last.find('.');
    const std::string whole = last.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : last.substr(dot + 1);
    if (!allDigits(whole) || (dot != std::string::npos && !fraction.empty() && !allDigits(fraction)) ||
        whole.size() > 9)
        return std::nullopt;
    double seconds = number(whole) + (fraction.empty() ? 0.0 : number("0." + fraction));
    double unit = 60;
    for (std::size_t i = fields.size() - 1; i-- > 0; unit *= 60) {
        if (!allDigits(fields[i]) || fields[i].size() > 9)
            return std::nullopt;
        seconds += number(fields[i]) * unit;
    }
    // Below the largest unit given, minutes and seconds count to 59.
    if (fields.size() > 1 && number(whole) >= 60)
        return std::nullopt;
    if (fields.size() > 2 && number(fields[1]) >= 60)
        return std::nullopt;
    return PlacementTime{ std::nullopt, seconds };
}

std::optional<double> ParseGapSeconds(const std::string& text)
{
    const std::size_t dot = text.find('.');
    const std::string digits = dot == std::string::npos ? text : text.substr(0, dot) + text.substr(dot + 1);
    if (!allDigits(digits))
        return std::nullopt;
    return number(text);
}

} // namespace tandem::engine
