#pragma once

#include "Formula.h"
#include "Number.h"

namespace zentrova {

class FieldTexts;

// The value of a formula on a window's texts as they stand: fields are read
// and operations applied strictly in the order the formula is written, left
// operand first. The first operation that divides by zero, overflows or is
// invalid raises ArithmeticFault naming its node; a field beyond the double
// range faults with overflow the moment it is read.
Number Evaluate(const Formula& formula, const FieldTexts& texts);

// The same for the part of the formula whose last node is `last`.
Number EvaluatePart(const Formula& formula, int last, const FieldTexts& texts);

// The first node of the part of the formula whose last node is `last`.
int PartStart(const Formula& formula, int last);

}  // namespace zentrova
