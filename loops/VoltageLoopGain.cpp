#include "VoltageLoopGain.h"

#include "LoopPartReader.h"
#include "LoopWindows.h"

#include <numbers>

namespace zentrova {

std::variant<VoltageLoopGain, std::string> VoltageLoopGain::FromTexts(const FieldTexts& texts)
{
    // The capacitance typed into Text3 and the computed Rf and Cf: the loop
    // these parts make, not the fixed parts of the window's pole step.
    LoopPartReader read(kVoltageLoopWindow, texts);
    const auto po = read.Read("Text1");
    const auto f = read.Read("Text2");
    const auto co = read.Read("Text3", 1e-6);
    const auto vout = read.Read("Text4");
    const auto rin = read.Read("Text5", 1e3);
    const auto rf = read.Read("Text9", 1e3);
    const auto cf = read.Read("Text10", 1e-6);
    if (!read.ok())
        return read.reason();
    return VoltageLoopGain(Parts{*po, *f, *co, *vout, *rin, *rf, *cf});
}

std::complex<double> VoltageLoopGain::At(double hz) const
{
    const Parts& p = parts_;
    const std::complex<double> s(0, 2 * std::numbers::pi * hz);
    const std::complex<double> power = p.powerWatts / (kSwingVolts * p.outputVolts * s * p.outputFarads);
    const std::complex<double> amplifier = (p.feedbackOhms / (1.0 + s * p.feedbackOhms * p.feedbackFarads)) / p.inputOhms;
    return power * amplifier;
}

}  // namespace zentrova
