#pragma once

#include "ArithmeticFault.h"
#include "FloatBits.h"

namespace zentrova {

// A finite double whose every operation is checked the moment it runs, so a
// step faults at the operation that breaks, not only when its final value
// looks wrong: 5.2 / (x / 0) faults although 5.2 / inf would be 0.
// Steps are written with these operators in the exact grouping of their
// formula; each operation rounds to double like plain arithmetic.
class Number {
public:
    // Constants of a formula; a constant is always finite.
    constexpr Number(double constant) : value_(constant) {}

    // A value read from a field: an infinity there is a number beyond the
    // double range, which the reading step reports as an overflow.
    static Number FromField(double parsed)
    {
        if (!IsFinite(parsed))
            throw ArithmeticFault(FaultKind::Overflow);
        return Number(parsed);
    }

    constexpr double value() const { return value_; }

    friend Number operator+(Number a, Number b) { return Checked(a.value_ + b.value_); }
    friend Number operator-(Number a, Number b) { return Checked(a.value_ - b.value_); }
    friend Number operator*(Number a, Number b) { return Checked(a.value_ * b.value_); }
    friend Number operator/(Number a, Number b)
    {
        if (b.value_ == 0.0)
            throw ArithmeticFault(a.value_ == 0.0 ? FaultKind::Invalid : FaultKind::DivisionByZero);
        return Checked(a.value_ / b.value_);
    }

private:
    static Number Checked(double result)
    {
        if (IsNaN(result))
            throw ArithmeticFault(FaultKind::Invalid);
        if (!IsFinite(result))
            throw ArithmeticFault(FaultKind::Overflow);
        return Number(result);
    }

    double value_;
};

// base ^ exponent. A fractional power of a negative base is invalid; the
// power 0.5 is the correctly rounded square root.
Number Pow(Number base, double exponent);

// The value passed through its displayed form: FormatResult, then
// ParseFieldValue, which rounds it to 15 significant digits.
Number ThroughText(Number x);

}  // namespace zentrova
