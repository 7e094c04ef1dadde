#include "UnitConversion.h"

#include "ArithmeticFault.h"
#include "FormatResult.h"
#include "ParseFieldValue.h"

#include <cstdlib>

namespace zentrova {

std::optional<double> ConversionFactor(const Unit& from, const Unit& to)
{
    if (from.dimension != to.dimension)
        return std::nullopt;
    double factor = 1;
    for (int i = 0; i < std::abs(from.decade - to.decade); ++i)
        factor *= 10;
    return from.decade >= to.decade ? factor : 1 / factor;
}

std::optional<std::string> ConvertedText(const std::string& text, const Unit& from, const Unit& to)
{
    const std::optional<double> factor = ConversionFactor(from, to);
    if (!factor)
        return std::nullopt;
    if (from == to)
        return text;
    // Multiplying or dividing by an exact power of ten, whichever keeps the
    // decimal digits the engineer sees.
    const double value = ParseFieldValue(text);
    const double converted = from.decade >= to.decade ? value * *factor : value / (1 / *factor);
    try {
        return FormatResult(converted);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

}  // namespace zentrova
