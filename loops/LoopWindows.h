#pragma once

#include "calc/WindowDescription.h"

namespace zentrova {

// dlbch: gain, crossover and compensation network of the current amplifier.
extern const WindowDescription kCurrentLoopWindow;
// dybch: ripple, gain, pole frequency and feedback network of the voltage amplifier.
extern const WindowDescription kVoltageLoopWindow;

}  // namespace zentrova
