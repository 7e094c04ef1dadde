#pragma once

#include "PartKind.h"

#include <optional>
#include <span>
#include <string_view>

namespace zentrova {

// A preferred-number series of IEC 60063: the values of one decade, as
// integers of its significant digits (E96 has three, the others two). Kept
// as integers because the series is defined by its decimal digits, not by
// the geometric progression it rounds: E24's 2.7, 3.0, 3.3, 3.6, 3.9, 4.3,
// 4.7 and 8.2 differ from the rounded progression.
struct ESeries {
    std::string_view name;
    std::span<const int> digits;
    int digitCount;
};

// The standard values around a computed one: the next lower and next
// higher value of the series (both the value itself when it is one), and of
// these two the nearest by ratio, since the series are geometric.
struct StandardValues {
    std::string_view series;
    double lower;
    double higher;
    double nearest;
};

const ESeries& E6();
const ESeries& E12();
const ESeries& E24();
const ESeries& E96();

// The series a kind of part is bought in, the finer first: resistors E96
// (1 %) and E24, capacitors and inductors E12 and E6; none for no part.
std::span<const ESeries* const> SeriesFor(PartKind part);

// The standard values of the series around `value`, across decade
// boundaries; none for a zero, negative or non-finite value.
std::optional<StandardValues> ChooseStandardValues(const ESeries& series, double value);

// (standard − computed) ÷ computed, in percent.
double DeviationPercent(double standard, double computed);

}  // namespace zentrova
