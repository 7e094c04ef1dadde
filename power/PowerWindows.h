#pragma once

#include "calc/WindowDescription.h"

namespace zentrova {

// gl: peak and ripple inductor current, duty cycle, inductance, capacitance.
extern const WindowDescription kMainPowerComponentsWindow;

}  // namespace zentrova
