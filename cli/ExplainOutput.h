#pragma once

#include "calc/Working.h"

#include <string>

namespace zentrova {

// The working of a run as the JSON array of --json --explain: one object
// per step that ran, every value a JSON number in the step's unit.
std::string StepsJson(const ComputeWorking& working);

}  // namespace zentrova
