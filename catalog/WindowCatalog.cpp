#include "WindowCatalog.h"

#include "calc/WindowDescription.h"
#include "loops/LoopWindows.h"
#include "networks/NetworkWindows.h"
#include "power/PowerWindows.h"

#include <array>

namespace zentrova {
namespace {

constexpr std::array kWindows = {
    &kMainPowerComponentsWindow, &kSenseResistorWindow,  &kPeakLimitDividerWindow,
    &kFeedForwardWindow,         &kMultiplierInputWindow, &kMultiplierBiasWindow,
    &kCurrentLoopWindow,         &kVoltageLoopWindow,    &kTimingResistorWindow,
    &kTimingCapacitorWindow,     &kComponentStressWindow,
};

}  // namespace

std::span<const WindowDescription* const> CalculationWindows()
{
    return kWindows;
}

const WindowDescription* FindCalculationWindow(std::string_view name)
{
    for (const WindowDescription* window : kWindows) {
        if (window->name == name)
            return window;
    }
    return nullptr;
}

}  // namespace zentrova
