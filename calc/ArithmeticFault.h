#pragma once

#include <stdexcept>
#include <string_view>

namespace zentrova {

// The three ways one floating-point operation of a compute step can fail.
enum class FaultKind {
    DivisionByZero,
    Overflow,
    Invalid,  // 0 / 0, or a fractional power of a negative base
};

// Stable machine-readable name, used by the command-line twin's JSON output.
std::string_view FaultKindName(FaultKind kind);

// Raised by a compute step the moment one of its operations divides by zero,
// overflows or is invalid. The step's target keeps its old text.
class ArithmeticFault : public std::runtime_error {
public:
    // `node` is the formula node whose operation failed, -1 where none applies.
    explicit ArithmeticFault(FaultKind kind, int node = -1);

    FaultKind kind() const { return kind_; }
    int node() const { return node_; }

private:
    FaultKind kind_;
    int node_;
};

}  // namespace zentrova
