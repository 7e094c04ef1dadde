#pragma once

#include "FieldReader.h"
#include "Number.h"

#include <string_view>

namespace zentrova {

// One numbered step of a compute action: evaluates one formula over the
// current field texts and writes the result into its target field.
struct ComputeStep {
    std::string_view target;
    Number (*formula)(const FieldReader& field);
};

}  // namespace zentrova
