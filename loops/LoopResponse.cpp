#include "LoopResponse.h"

#include <cmath>
#include <numbers>

namespace zentrova {

LoopResponse::LoopResponse(Transfer transfer, double lowHz, double highHz)
    : transfer_(std::move(transfer)), lowHz_(lowHz), highHz_(highHz)
{
}

LoopPoint LoopResponse::At(double hz) const
{
    const std::complex<double> gain = transfer_(hz);
    double phase = std::arg(gain) * (180 / std::numbers::pi);
    // Both loops lag by more than 90°: keep the phase continuous through
    // -180° rather than jumping to +180°.
    if (phase > 0)
        phase -= 360;
    return {hz, 20 * std::log10(std::abs(gain)), phase};
}

std::optional<double> LoopResponse::CrossoverHz() const
{
    const auto above = [this](double logHz) { return std::abs(transfer_(std::exp(logHz))) >= 1; };
    double low = std::log(lowHz_);
    double high = std::log(highHz_);
    if (!above(low) || above(high))
        return std::nullopt;
    // exp(high - low) - 1 <= 1e-9 bounds the relative error of the result.
    while (std::expm1(high - low) > 1e-9) {
        const double middle = (low + high) / 2;
        (above(middle) ? low : high) = middle;
    }
    return std::exp((low + high) / 2);
}

double LoopResponse::PhaseMarginDeg(double crossoverHz) const
{
    return 180 + At(crossoverHz).phaseDeg;
}

std::vector<LoopPoint> LoopResponse::Sweep() const
{
    std::vector<LoopPoint> points;
    // Stop a hair short of the limit, so that a grid point that lands on it
    // through rounding is not taken twice.
    for (int k = 0;; ++k) {
        const double hz = lowHz_ * std::pow(10.0, static_cast<double>(k) / kPointsPerDecade);
        if (hz >= highHz_ * (1 - 1e-12))
            break;
        points.push_back(At(hz));
    }
    points.push_back(At(highHz_));
    return points;
}

}  // namespace zentrova
