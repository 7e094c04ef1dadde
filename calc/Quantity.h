#pragma once

#include <string_view>

namespace zentrova {

// The physical quantity a field holds, where more than one window holds it:
// two fields of different windows with the same quantity (and unit) carry
// the same value of one design.
enum class Quantity {
    None,
    OutputPower,
    LineVoltageMin,
    LineVoltageMax,
    LineFrequency,
    SwitchingFrequency,
    OutputVoltage,
    BoostInductance,
    SenseResistance,
    Rvac,
    Rset,
    OutputCapacitance,
    Rmo,
    Efficiency,
};

// Stable English key, for tests and the command line.
std::string_view QuantityKey(Quantity quantity);

}  // namespace zentrova
