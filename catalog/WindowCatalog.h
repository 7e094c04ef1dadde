#pragma once

#include <span>
#include <string_view>

namespace zentrova {

struct WindowDescription;

// Every calculation window: those of the main window's buttons in their
// order, then the component stress window that its context menu opens.
std::span<const WindowDescription* const> CalculationWindows();

// nullptr when no calculation window has that name.
const WindowDescription* FindCalculationWindow(std::string_view name);

}  // namespace zentrova
