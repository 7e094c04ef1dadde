#include "WindowCatalog.h"

#include "WindowDescription.h"
#include "power/PowerWindows.h"

#include <array>

namespace zentrova {
namespace {

constexpr std::array kWindows = {
    &kMainPowerComponentsWindow,
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
