#pragma once

#include "LoopPoint.h"

#include <complex>
#include <functional>
#include <optional>
#include <vector>

namespace zentrova {

// A loop gain over the frequency range of its plot: the figures a Bode plot
// reads off it.
class LoopResponse {
public:
    using Transfer = std::function<std::complex<double>(double hz)>;

    static constexpr int kPointsPerDecade = 50;

    LoopResponse(Transfer transfer, double lowHz, double highHz);

    double lowHz() const { return lowHz_; }
    double highHz() const { return highHz_; }

    LoopPoint At(double hz) const;
    // Where the gain falls through 0 dB, to a relative 1e-9, found by
    // bisection on log f; nothing when it does not within the range. The
    // gain of either loop only falls with frequency.
    std::optional<double> CrossoverHz() const;
    // 180° plus the phase at the crossover.
    double PhaseMarginDeg(double crossoverHz) const;
    // From the low to the high limit at kPointsPerDecade points a decade,
    // on the grid low × 10^(k/50), with the high limit as the last point.
    std::vector<LoopPoint> Sweep() const;

private:
    Transfer transfer_;
    double lowHz_;
    double highHz_;
};

}  // namespace zentrova
