#include "CurrentLoopGain.h"

#include "LoopPartReader.h"
#include "LoopWindows.h"

#include <numbers>

namespace zentrova {

std::variant<CurrentLoopGain, std::string> CurrentLoopGain::FromTexts(const FieldTexts& texts)
{
    LoopPartReader read(kCurrentLoopWindow, texts);
    const auto rs = read.Read("Text1");
    const auto fs = read.Read("Text2", 1e3);
    const auto vout = read.Read("Text3");
    const auto l = read.Read("Text4", 1e-6);
    const auto rmo = read.Read("Text7", 1e3);
    const auto rf = read.Read("Text8", 1e3);
    const auto cz = read.Read("Text9", 1e-12);
    const auto cp = read.Read("Text10", 1e-12);
    if (!read.ok())
        return read.reason();
    return CurrentLoopGain(Parts{*rs, *fs, *vout, *l, *rmo, *rf, *cz, *cp});
}

std::complex<double> CurrentLoopGain::At(double hz) const
{
    const Parts& p = parts_;
    const std::complex<double> s(0, 2 * std::numbers::pi * hz);
    const std::complex<double> modulator = p.outputVolts * p.senseOhms / (s * p.inductanceHenries * kRampVolts);
    const double seriesFarads = p.zeroFarads * p.poleFarads / (p.zeroFarads + p.poleFarads);
    const std::complex<double> amplifier =
        (1.0 + s * p.feedbackOhms * p.zeroFarads) /
        (s * p.inputOhms * (p.zeroFarads + p.poleFarads) * (1.0 + s * p.feedbackOhms * seriesFarads));
    return modulator * amplifier;
}

}  // namespace zentrova
