#pragma once

#include "calc/WindowDescription.h"

namespace zentrova {

// gl: peak and ripple inductor current, duty cycle, inductance, capacitance.
extern const WindowDescription kMainPowerComponentsWindow;
// xldz: the current-sense resistor Rs in the return path.
extern const WindowDescription kSenseResistorWindow;
// XL: Rpk2 of the peak-current-limit divider at PKLMT.
extern const WindowDescription kPeakLimitDividerWindow;
// yl: the stresses that pick the MOSFET, the diode and the output capacitor.
extern const WindowDescription kComponentStressWindow;

}  // namespace zentrova
