#pragma once

#include "Formula.h"
#include "PartKind.h"
#include "Unit.h"

#include <string_view>

namespace zentrova {

// The standard design procedure's formula for a result whose window
// computes it otherwise: shown beside the window's own result, never in
// its place.
struct ReferenceFormula {
    std::string_view symbol;
    Formula formula;
    Unit unit;
    PartKind part;
    std::string_view note;  // how the window's formula differs, one sentence
};

// One numbered step of a compute action: evaluates one formula over the
// current field texts and writes the result into its target field.
struct ComputeStep {
    std::string_view target;  // control name
    int targetIndex;          // index in the window's fields
    Formula formula;
    std::string_view circuit;  // what it computes, in circuit terms
    PartKind part = PartKind::None;
    const ReferenceFormula* reference = nullptr;
};

// A step writing the field that `target` reads.
constexpr ComputeStep Step(const Formula& target, const Formula& formula, std::string_view circuit,
                           PartKind part = PartKind::None, const ReferenceFormula* reference = nullptr)
{
    if (target.size() != 1 || target.nodes()[0].operation != Operation::Field)
        throw "a step's target is one field";
    return ComputeStep{target.nodes()[0].name, target.nodes()[0].field, formula, circuit, part, reference};
}

}  // namespace zentrova
