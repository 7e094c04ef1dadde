#pragma once

#include <span>
#include <string_view>

namespace zentrova {

struct WindowDescription;

// Every calculation window, in the order of the main window's buttons.
std::span<const WindowDescription* const> CalculationWindows();

// nullptr when no calculation window has that name.
const WindowDescription* FindCalculationWindow(std::string_view name);

}  // namespace zentrova
