#pragma once

namespace zentrova {

// The loop gain at one frequency, as the plot shows it.
struct LoopPoint {
    double frequencyHz;
    double gainDb;
    double phaseDeg;  // in (-360°, 0°]: both loops lag, by 90° to 270°
};

}  // namespace zentrova
