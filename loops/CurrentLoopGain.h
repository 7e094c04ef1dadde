#pragma once

#include <complex>
#include <string>
#include <variant>

namespace zentrova {

class FieldTexts;

// The averaged loop gain of the inner current loop: the boost inductor with
// the oscillator ramp as modulator, and the current amplifier with its
// feedback zero and pole, from the parts the current-loop window shows.
class CurrentLoopGain {
public:
    // Base SI units.
    struct Parts {
        double senseOhms;  // Rs
        double switchingHz;  // fs
        double outputVolts;  // Vout
        double inductanceHenries;  // L
        double inputOhms;  // Rmo
        double feedbackOhms;  // Rf
        double zeroFarads;  // Cz
        double poleFarads;  // Cp
    };

    // The oscillator ramp amplitude, as the window's gain step takes it.
    static constexpr double kRampVolts = 5.2;

    explicit CurrentLoopGain(const Parts& parts) : parts_(parts) {}

    // From dlbch's texts, or the reason why they give no loop.
    static std::variant<CurrentLoopGain, std::string> FromTexts(const FieldTexts& texts);

    const Parts& parts() const { return parts_; }
    std::complex<double> At(double hz) const;

private:
    Parts parts_;
};

}  // namespace zentrova
