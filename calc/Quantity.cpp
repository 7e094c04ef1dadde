#include "Quantity.h"

namespace zentrova {

std::string_view QuantityKey(Quantity quantity)
{
    switch (quantity) {
    case Quantity::None:
        return "none";
    case Quantity::OutputPower:
        return "output-power";
    case Quantity::LineVoltageMin:
        return "line-voltage-min";
    case Quantity::LineVoltageMax:
        return "line-voltage-max";
    case Quantity::LineFrequency:
        return "line-frequency";
    case Quantity::SwitchingFrequency:
        return "switching-frequency";
    case Quantity::OutputVoltage:
        return "output-voltage";
    case Quantity::BoostInductance:
        return "boost-inductance";
    case Quantity::SenseResistance:
        return "sense-resistance";
    case Quantity::Rvac:
        return "rvac";
    case Quantity::Rset:
        return "rset";
    case Quantity::OutputCapacitance:
        return "output-capacitance";
    case Quantity::Rmo:
        return "rmo";
    case Quantity::Efficiency:
        return "efficiency";
    }
    return "none";
}

}  // namespace zentrova
