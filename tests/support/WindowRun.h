#pragma once

#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zentrova::test {

using Assignments = std::vector<std::pair<std::string, std::string>>;

struct WindowRun {
    FieldTexts texts;
    std::optional<ComputeFault> fault;
};

// One compute action on the window's initial texts with some texts changed.
inline WindowRun RunWindow(std::string_view name, const Assignments& assignments)
{
    const WindowDescription* window = FindCalculationWindow(name);
    if (!window)
        throw std::invalid_argument("no window " + std::string(name));
    WindowRun run{FieldTexts::Initial(*window), std::nullopt};
    for (const auto& [control, text] : assignments)
        run.texts.Set(control, text);
    run.fault = RunComputeAction(*window, run.texts);
    return run;
}

// One row of a window's table: inputs changed from the initial texts, every
// output text expected afterwards, and the step that faults (0 for none).
struct WindowCase {
    const char* name;
    Assignments inputs;
    Assignments expected;
    int faultStep = 0;
    FaultKind faultKind = FaultKind::DivisionByZero;
};

inline void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

inline void ExpectWindowCase(std::string_view window, const WindowCase& c)
{
    const WindowRun run = RunWindow(window, c.inputs);
    for (const auto& [control, text] : c.expected)
        EXPECT_EQ(run.texts.Get(control), text) << c.name << ": " << control;
    if (c.faultStep == 0) {
        EXPECT_FALSE(run.fault.has_value()) << c.name << ": unexpected fault at step " << run.fault->step;
    } else {
        ASSERT_TRUE(run.fault.has_value()) << c.name << ": expected a fault";
        EXPECT_EQ(run.fault->step, c.faultStep) << c.name;
        EXPECT_EQ(run.fault->kind, c.faultKind) << c.name;
    }
}

}  // namespace zentrova::test
