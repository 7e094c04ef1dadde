#pragma once

#include "Formula.h"

#include <string>
#include <vector>

namespace zentrova {

class FieldTexts;
struct FieldDescription;
struct FormulaWorking;

// Renders a formula in symbols — fields by their symbols, constants by
// their numbers — and, given texts, with the values of a run substituted.
// Every operation but the outermost stands in parentheses, so the text
// shows the grouping exactly as it is evaluated.
FormulaWorking RenderFormula(std::span<const FieldDescription> fields, const Formula& formula,
                             const FieldTexts* texts);

// The part of a formula that ends at node `last`, in symbols.
std::string RenderFormulaPart(std::span<const FieldDescription> fields, const Formula& formula, int last);

}  // namespace zentrova
