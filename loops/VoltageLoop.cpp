#include "LoopWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

// (2π)² in the pole-frequency step.
constexpr double kTwoPiSquared = 39.5;
// Twice the line frequency is the ripple frequency.
constexpr double kRippleHarmonic = 2;
// The ripple amplitude wanted at the voltage amplifier's output, volts.
constexpr double kAmplifierRippleVolts = 0.06;
// Volts dividing the power in the pole-frequency step.
constexpr double kPoleVolts = 4;
// The reference design's output capacitor (µF) and feedback capacitor (nF).
constexpr double kOutputMicrofarads = 450;
constexpr double kFeedbackNanofarads = 47;
constexpr double kKilo = 1000;
constexpr double kMega = 1000000;
constexpr double kGiga = 1000000000;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "输出功率(W)", "150", FieldRole::Input},
    {"Text2", "Label2", "输入电网频率(Hz)", "50", FieldRole::Input},
    {"Text3", "Label3", "输出滤波电容(uF)", "250", FieldRole::Input},
    {"Text4", "Label4", "输出电压(V)", "400", FieldRole::Input},
    {"Text5", "Label5", "分压电阻上端(K)", "91", FieldRole::Input},
    {"Text6", "Label6", "输出电压纹波(V)", "", FieldRole::Output},
    {"Text7", "Label7", "电压控制环增益(倍)", "", FieldRole::Output},
    {"Text8", "Label8", "极点频率(Hz)", "", FieldRole::Output},
    {"Text9", "Label9", "反馈补偿电阻(K)", "", FieldRole::Output},
    {"Text10", "Label10", "反馈补偿电容(uF)", "", FieldRole::Output},
};

// Inputs on the left, outputs on the right, each row pairing the two listed
// at the same position; the buttons stand under their columns.
constexpr Row kRows[] = {
    Row{{{Cell{"Text1", 6, 4}, Cell{"Text6", 6, 8}}}},
    Row{{{Cell{"Text2", 6, 4}, Cell{"Text7", 6, 8}}}},
    Row{{{Cell{"Text3", 6, 4}, Cell{"Text8", 6, 8}}}},
    Row{{{Cell{"Text4", 6, 4}, Cell{"Text9", 6, 8}}}},
    Row{{{Cell{"Text5", 6, 4}, Cell{"Text10", 6, 8}}}},
    ButtonRow("Command1", "Command2", 10),
};

// Backwards through the window, starting at the return button.
constexpr std::string_view kTabOrder[] = {
    "Command2", "Command1", "Text10", "Text9", "Text8", "Text7", "Text6", "Text5", "Text4", "Text3", "Text2", "Text1",
};

constexpr ComputeStep kSteps[] = {
    // Peak output ripple at twice the line frequency.
    {"Text6",
     [](const FieldReader& f) {
         return (((((f["Text1"] / kTwoPi) / kRippleHarmonic) / f["Text2"]) / f["Text3"]) / f["Text4"]) * kMega;
     }},
    // Gain that brings the ripple at the amplifier's output to 0.06 V.
    {"Text7", [](const FieldReader& f) { return Number(kAmplifierRippleVolts) / f["Text6"]; }},
    // Pole frequency from the fixed 450 µF and 47 nF; the base of the root
    // passes through its text form first.
    {"Text8",
     [](const FieldReader& f) {
         const Number base =
             ((((((((f["Text1"] / kPoleVolts) * kMega) / f["Text4"]) / f["Text5"]) / kKilo) / kOutputMicrofarads) *
               kGiga) /
              kFeedbackNanofarads) /
             kTwoPiSquared;
         return Pow(ThroughText(base), 0.5);
     }},
    // Feedback resistor whose corner with 47 nF lies at the pole frequency.
    {"Text9",
     [](const FieldReader& f) { return (((Number(1.0) / kTwoPi) / f["Text8"]) * kMega) / kFeedbackNanofarads; }},
    // Feedback capacitor whose impedance at twice the line frequency over Rin
    // equals the gain.
    {"Text10",
     [](const FieldReader& f) {
         return (((((Number(kMega) / kTwoPi) / kRippleHarmonic) / f["Text2"]) / kKilo) / f["Text5"]) / f["Text7"];
     }},
};

}  // namespace

constexpr WindowDescription kVoltageLoopWindow = {
    .name = "dybch",
    .caption = "电压补偿环计算算",
    .clientWidthTwips = 7335,
    .clientHeightTwips = 4155,
    .fields = kFields,
    .rows = kRows,
    .tabOrder = kTabOrder,
    .steps = kSteps,
};

}  // namespace zentrova
