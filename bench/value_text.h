#pragma once

#include "random_source.h"

#include <string>

namespace tandem::bench {

// A float written out in full, as Audition writes parameter values
// ("0.0013617794029414653778076171875"), which is what makes its lines long.
std::string FloatText(float value);

// A lower-case GUID in 8-4-4-4-12 form.
std::string Guid(RandomSource& random);

// `value` with leading zeros to `width` digits ("Marker 007").
std::string Padded(std::int64_t value, int width);

} // namespace tandem::bench
