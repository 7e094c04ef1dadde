#pragma once

#include <complex>
#include <string>
#include <variant>

namespace zentrova {

class FieldTexts;

// The averaged loop gain of the outer voltage loop: the output capacitor fed
// by the input power, and the voltage amplifier with its feedback resistor
// and capacitor, from the parts the voltage-loop window shows.
class VoltageLoopGain {
public:
    // Base SI units.
    struct Parts {
        double powerWatts;  // Po, taken as the input power
        double lineHz;  // f
        double outputFarads;  // Co
        double outputVolts;  // Vout
        double inputOhms;  // Rin
        double feedbackOhms;  // Rf
        double feedbackFarads;  // Cf
    };

    // The voltage amplifier's output swing, as the window's pole step takes it.
    static constexpr double kSwingVolts = 4;

    explicit VoltageLoopGain(const Parts& parts) : parts_(parts) {}

    // From dybch's texts, or the reason why they give no loop.
    static std::variant<VoltageLoopGain, std::string> FromTexts(const FieldTexts& texts);

    const Parts& parts() const { return parts_; }
    // The output ripple's frequency, twice the line frequency.
    double rippleHz() const { return 2 * parts_.lineHz; }
    std::complex<double> At(double hz) const;

private:
    Parts parts_;
};

}  // namespace zentrova
