#include "Number.h"

#include "FormatResult.h"
#include "ParseFieldValue.h"

#include <cmath>

namespace zentrova {

Number Pow(Number base, double exponent)
{
    const double b = base.value();
    if (b < 0.0 && std::trunc(exponent) != exponent)
        throw ArithmeticFault(FaultKind::Invalid);
    if (b == 0.0 && exponent < 0.0)
        throw ArithmeticFault(FaultKind::DivisionByZero);
    const double result = exponent == 0.5 ? std::sqrt(b) : std::pow(b, exponent);
    if (IsNaN(result))
        throw ArithmeticFault(FaultKind::Invalid);
    return Number::FromField(result);
}

Number ThroughText(Number x)
{
    return Number::FromField(ParseFieldValue(FormatResult(x.value())));
}

}  // namespace zentrova
