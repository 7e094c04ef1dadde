#include "ESeries.h"

#include "FloatBits.h"

#include <array>
#include <cmath>

namespace zentrova {
namespace {

constexpr int kE6[] = {10, 15, 22, 33, 47, 68};
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};

const ESeries kSeriesE6{"E6", kE6, 2};
const ESeries kSeriesE12{"E12", kE12, 2};
const ESeries kSeriesE24{"E24", kE24, 2};
const ESeries kSeriesE96{"E96", kE96, 3};

const std::array<const ESeries*, 2> kResistorSeries = {&kSeriesE96, &kSeriesE24};
const std::array<const ESeries*, 2> kReactiveSeries = {&kSeriesE12, &kSeriesE6};

// digits × 10^exponent as the double nearest to that decimal: one exact
// multiplication or division by a power of ten that is itself exact, so
// 953 × 10^-2 is the same double as the text "9.53" reads as.
double DecimalValue(int digits, int exponent)
{
    double scale = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        scale *= 10;
    return exponent >= 0 ? digits * scale : digits / scale;
}

}  // namespace

const ESeries& E6() { return kSeriesE6; }
const ESeries& E12() { return kSeriesE12; }
const ESeries& E24() { return kSeriesE24; }
const ESeries& E96() { return kSeriesE96; }

std::span<const ESeries* const> SeriesFor(PartKind part)
{
    switch (part) {
    case PartKind::Resistor:
        return kResistorSeries;
    case PartKind::Capacitor:
    case PartKind::Inductor:
        return kReactiveSeries;
    case PartKind::None:
        break;
    }
    return {};
}

std::optional<StandardValues> ChooseStandardValues(const ESeries& series, double value)
{
    if (!(value > 0) || !IsFinite(value))
        return std::nullopt;
    // The decade of the value, give or take one for rounding in log10: the
    // candidates span the decade below to the one above.
    const int decade = static_cast<int>(std::floor(std::log10(value)));
    const int shift = series.digitCount - 1;
    double lower = 0;
    double higher = 0;
    for (int d = decade - 1; d <= decade + 1; ++d) {
        for (const int digits : series.digits) {
            const double candidate = DecimalValue(digits, d - shift);
            if (candidate <= value && (lower == 0 || candidate > lower))
                lower = candidate;
            if (candidate >= value && (higher == 0 || candidate < higher))
                higher = candidate;
        }
    }
    // At the ends of the double range a neighbouring standard value is no
    // double of its own (it rounds to 0 or overflows): no part is that small
    // or that large.
    if (lower == 0 || higher == 0 || !IsFinite(higher))
        return std::nullopt;
    // Geometric series: compare the ratios value/lower and higher/value.
    const double nearest = value / lower <= higher / value ? lower : higher;
    return StandardValues{series.name, lower, higher, nearest};
}

double DeviationPercent(double standard, double computed)
{
    return (standard - computed) / computed * 100;
}

}  // namespace zentrova
