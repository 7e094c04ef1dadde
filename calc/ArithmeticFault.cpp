#include "ArithmeticFault.h"

#include <string>

namespace zentrova {

std::string_view FaultKindName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero:
        return "division-by-zero";
    case FaultKind::Overflow:
        return "overflow";
    case FaultKind::Invalid:
        return "invalid";
    }
    return "invalid";
}

ArithmeticFault::ArithmeticFault(FaultKind kind, int node)
    : std::runtime_error("arithmetic fault: " + std::string(FaultKindName(kind))), kind_(kind), node_(node)
{
}

}  // namespace zentrova
