#pragma once

#include "calc/WindowDescription.h"

namespace zentrova {

// qkcf: pole frequency and capacitors of the two-pole feed-forward filter at VRMS.
extern const WindowDescription kFeedForwardWindow;
// qkcfq: the multiplier input resistor Rvac at IAC.
extern const WindowDescription kMultiplierInputWindow;
// fxxpz: the bias resistor Rb1 from REF to IAC.
extern const WindowDescription kMultiplierBiasWindow;
// zddsdz: the timing-resistor window.
extern const WindowDescription kTimingResistorWindow;
// zddsdr: the oscillator timing capacitor CT.
extern const WindowDescription kTimingCapacitorWindow;

}  // namespace zentrova
