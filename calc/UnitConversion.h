#pragma once

#include "Unit.h"

#include <optional>
#include <string>

namespace zentrova {

// The factor that turns a number in `from` into the same quantity in `to`:
// a power of ten between units of one dimension, none between dimensions.
std::optional<double> ConversionFactor(const Unit& from, const Unit& to);

// A field's text as it reads in another unit: the text itself, byte for
// byte, when the units are the same; otherwise the converted value as a
// result text. None when no conversion is defined, or when the text reads
// as a number beyond the double range.
std::optional<std::string> ConvertedText(const std::string& text, const Unit& from, const Unit& to);

}  // namespace zentrova
