#include "LoopWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "输出功率(W)", "150", "Po", kWatt, "输出功率", Quantity::OutputPower),
    Input("Text2", "Label2", "输入电网频率(Hz)", "50", "fline", kHertz, "电网频率", Quantity::LineFrequency),
    Input("Text3", "Label3", "输出滤波电容(uF)", "250", "Co", kMicrofarad, "输出滤波电容", Quantity::OutputCapacitance),
    Input("Text4", "Label4", "输出电压(V)", "400", "Vout", kVolt, "输出电压", Quantity::OutputVoltage),
    Input("Text5", "Label5", "分压电阻上端(K)", "91", "Rin", kKiloohm, "输出分压器上电阻，即电压放大器的输入电阻 Rin"),
    Output("Text6", "Label6", "输出电压纹波(V)", "Vripple", kVolt, "两倍电网频率处的输出电压纹波（峰值）"),
    Output("Text7", "Label7", "电压控制环增益(倍)", "Gva", kRatio, "电压控制环增益，纯比值"),
    Output("Text8", "Label8", "极点频率(Hz)", "fp", kHertz, "极点频率"),
    Output("Text9", "Label9", "反馈补偿电阻(K)", "Rf", kKiloohm, "电压放大器的反馈补偿电阻"),
    Output("Text10", "Label10", "反馈补偿电容(uF)", "Cf", kMicrofarad, "电压放大器的反馈补偿电容"),
};

constexpr Formula Po = Formula::Read(kFields, "Text1");
constexpr Formula LineFrequency = Formula::Read(kFields, "Text2");
constexpr Formula Co = Formula::Read(kFields, "Text3");
constexpr Formula Vout = Formula::Read(kFields, "Text4");
constexpr Formula Rin = Formula::Read(kFields, "Text5");
constexpr Formula Ripple = Formula::Read(kFields, "Text6");
constexpr Formula Gain = Formula::Read(kFields, "Text7");
constexpr Formula PoleFrequency = Formula::Read(kFields, "Text8");
constexpr Formula Rf = Formula::Read(kFields, "Text9");
constexpr Formula Cf = Formula::Read(kFields, "Text10");

// (2π)² in the pole-frequency step: exactly 39.5, neither 39.478… nor 6.28².
constexpr Formula kTwoPiSquared = Constant(39.5, "(2π)² 取 39.5");
// Twice the line frequency is the ripple frequency.
constexpr Formula kRippleHarmonic = Constant(2, "纹波频率为电网频率的两倍");
// The ripple amplitude wanted at the voltage amplifier's output.
constexpr Formula kAmplifierRippleVolts = Constant(0.06, "电压放大器输出端允许的纹波 0.06 V");
// The voltage amplifier's output swing, dividing the power.
constexpr Formula kAmplifierSwingVolts = Constant(4, "电压放大器输出摆幅 4 V");
// The reference design's output capacitor (µF) and feedback capacitor (nF).
constexpr Formula kOutputMicrofarads = Constant(450, "固定的输出电容 450 µF");
constexpr Formula kFeedbackNanofarads = Constant(47, "固定的反馈电容 47 nF");
constexpr Formula kUnit = Constant(1, "1");
constexpr Formula kKilo = Constant(1000, "kΩ 换算为 Ω");
constexpr Formula kMega = Constant(1000000, "10⁶ 的单位换算");
constexpr Formula kGiga = Constant(1000000000, "nF 换算为 F 的倒数");

// The standard procedure's pole frequency from the window's own Co and Cf.
constexpr Formula kStandardPoleFrequency =
    Define("fvi", "标准方法的极点频率",
           Sqrt(Po / ((((kAmplifierSwingVolts * Vout) * (Rin * kKilo)) * (Co / kMega)) * (Cf / kMega))) /
               kStandardTwoPi);

constexpr ReferenceFormula kPoleReference{"fvi", kStandardPoleFrequency, kHertz, PartKind::None,
                                          "窗口的公式取固定的 450 µF 和 47 nF，而不用本窗口的 Co 与 Cf。"};

constexpr ReferenceFormula kFeedbackResistorReference{
    "Rf", (kUnit / ((kStandardTwoPi * kStandardPoleFrequency) * (Cf / kMega))) / kKilo, kKiloohm, PartKind::Resistor,
    "窗口的公式取固定的 47 nF 反馈电容，而不用本窗口的 Cf。"};

constexpr ComputeStep kSteps[] = {
    Step(Ripple, (((((Po / kTwoPi) / kRippleHarmonic) / LineFrequency) / Co) / Vout) * kMega,
         "两倍电网频率处的输出电压纹波峰值 Po ÷ (2π·2fline·Co·Vout)。"),
    Step(Gain, kAmplifierRippleVolts / Ripple, "使电压放大器输出端纹波为 0.06 V 的增益。"),
    // The base of the root passes through its text form first.
    Step(PoleFrequency,
         Sqrt(AsDisplayed(((((((((Po / kAmplifierSwingVolts) * kMega) / Vout) / Rin) / kKilo) / kOutputMicrofarads) *
                            kGiga) /
                           kFeedbackNanofarads) /
                          kTwoPiSquared)),
         "极点频率 √(Po ÷ (4 V·Vout·Rin·450 µF·47 nF·(2π)²))。", PartKind::None, &kPoleReference),
    Step(Rf, (((kUnit / kTwoPi) / PoleFrequency) * kMega) / kFeedbackNanofarads,
         "反馈电阻：与 47 nF 的转折频率位于极点频率。", PartKind::Resistor, &kFeedbackResistorReference),
    Step(Cf, (((((kMega / kTwoPi) / kRippleHarmonic) / LineFrequency) / kKilo) / Rin) / Gain,
         "反馈电容：它在两倍电网频率处的阻抗除以 Rin 等于增益。", PartKind::Capacitor),
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
