#pragma once

#include <string_view>

namespace zentrova {

// What a field's number measures, apart from its scale.
enum class Dimension { Ratio, Power, Voltage, Current, Frequency, Resistance, Capacitance, Inductance, Time };

// The unit a number is in: its symbol as an engineer writes it (SI prefixes,
// the micro sign µ and the ohm sign Ω), its dimension and its power of ten
// against the base unit, so that two units of one dimension convert.
struct Unit {
    std::string_view symbol;
    Dimension dimension;
    int decade;
};

inline constexpr Unit kRatio{"", Dimension::Ratio, 0};
inline constexpr Unit kPercent{"%", Dimension::Ratio, -2};
inline constexpr Unit kWatt{"W", Dimension::Power, 0};
inline constexpr Unit kVolt{"V", Dimension::Voltage, 0};
inline constexpr Unit kAmpere{"A", Dimension::Current, 0};
inline constexpr Unit kMilliampere{"mA", Dimension::Current, -3};
inline constexpr Unit kHertz{"Hz", Dimension::Frequency, 0};
inline constexpr Unit kKilohertz{"kHz", Dimension::Frequency, 3};
inline constexpr Unit kOhm{"Ω", Dimension::Resistance, 0};
inline constexpr Unit kKiloohm{"kΩ", Dimension::Resistance, 3};
inline constexpr Unit kMicrofarad{"µF", Dimension::Capacitance, -6};
inline constexpr Unit kNanofarad{"nF", Dimension::Capacitance, -9};
inline constexpr Unit kPicofarad{"pF", Dimension::Capacitance, -12};
inline constexpr Unit kMicrohenry{"µH", Dimension::Inductance, -6};
inline constexpr Unit kMillisecond{"ms", Dimension::Time, -3};

constexpr bool operator==(const Unit& a, const Unit& b)
{
    return a.dimension == b.dimension && a.decade == b.decade;
}

}  // namespace zentrova
