#pragma once

namespace zentrova {

// The kind of part a result sizes, which decides the series of standard
// values it is bought in.
enum class PartKind { None, Resistor, Capacitor, Inductor };

}  // namespace zentrova
