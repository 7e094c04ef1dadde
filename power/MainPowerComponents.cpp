#include "PowerWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "输出功率（W）", "250", "Pout", kWatt, "输出功率", Quantity::OutputPower),
    Input("Text2", "Label2", "输入电压范围（V）", "80", "Vin,min", kVolt, "输入电压范围下限（交流有效值）",
          Quantity::LineVoltageMin),
    Input("Text11", "Label11", "到", "260", "Vin,max", kVolt, "输入电压范围上限（交流有效值）",
          Quantity::LineVoltageMax),
    Input("Text3", "Label3", "电网频率（Hz）", "60", "fline", kHertz, "电网频率；没有步骤读取它",
          Quantity::LineFrequency),
    Input("Text4", "Label4", "开关频率（KHz）", "100", "fs", kKilohertz, "开关频率；没有步骤读取它",
          Quantity::SwitchingFrequency),
    Input("Text5", "Label5", "输出电压（V）", "400", "Vout", kVolt, "直流输出电压", Quantity::OutputVoltage),
    Output("Text6", "Label6", "电感最大电流（A）", "IL,pk", kAmpere, "电感峰值电流"),
    Output("Text7", "Label7", "电感增量电流（A）", "ΔIL", kAmpere, "电感纹波电流"),
    Output("Text8", "Label8", "最大占空比", "Dmax", kRatio, "最大占空比，纯小数（0.5 即 50 %）"),
    Output("Text9", "Label9", "所需要电感（uH）", "L", kMicrohenry, "升压电感", Quantity::BoostInductance),
    Output("Text10", "Label10", "所需要电容（uF）", "Co", kMicrofarad, "输出滤波电容", Quantity::OutputCapacitance),
};

constexpr Formula Pout = Formula::Read(kFields, "Text1");
constexpr Formula VinMin = Formula::Read(kFields, "Text2");
constexpr Formula VinMax = Formula::Read(kFields, "Text11");
constexpr Formula SwitchingKilohertz = Formula::Read(kFields, "Text4");
constexpr Formula Vout = Formula::Read(kFields, "Text5");
constexpr Formula PeakCurrent = Formula::Read(kFields, "Text6");
constexpr Formula RippleCurrent = Formula::Read(kFields, "Text7");
constexpr Formula DutyCycle = Formula::Read(kFields, "Text8");
constexpr Formula Inductance = Formula::Read(kFields, "Text9");
constexpr Formula Capacitance = Formula::Read(kFields, "Text10");

// √2 taken as 1.414 for the peak of the low-line current; the low-line peak
// voltage of the duty-cycle and inductance steps uses 1.4.
constexpr Formula kCurrentPeakFactor = Constant(1.414, "√2 取 1.414");
// The ripple current is a fifth (20 %) of the peak inductor current.
constexpr Formula kRippleDivisor = Constant(5, "纹波电流取峰值电流的 1/5");
// µH from V·(duty)/(A·V): the factor 1000 of the inductance step.
constexpr Formula kMicrohenryScale = Constant(1000, "换算为 µH 的系数");
// 1.7 µF of output capacitance per watt.
constexpr Formula kMicrofaradPerWatt = Constant(1.7, "每瓦输出功率 1.7 µF");
constexpr Formula kHertzPerKilohertz = Constant(1000, "kHz 换算为 Hz");
constexpr Formula kMicrohenryPerHenry = Constant(1000000, "H 换算为 µH");

// The standard maximum duty cycle, at the peak of the lowest line voltage.
constexpr Formula kStandardDutyCycle =
    Define("D", "标准方法的最大占空比", (Vout - (kStandardSqrt2 * VinMin)) / Vout);

constexpr ReferenceFormula kDutyCycleReference{
    "D", kStandardDutyCycle, kRatio, PartKind::None,
    "窗口的公式以输入电压上限 Vin,max 代替输出电压 Vout，峰值系数取 1.4。"};

constexpr ReferenceFormula kInductanceReference{
    "L",
    (((kStandardSqrt2 * VinMin) * kStandardDutyCycle) / ((SwitchingKilohertz * kHertzPerKilohertz) * RippleCurrent)) *
        kMicrohenryPerHenry,
    kMicrohenry, PartKind::Inductor,
    "窗口的公式除以输出电压 Vout 而不是开关频率 fs，并用它自己的占空比，所以与开关频率无关。"};

constexpr ComputeStep kSteps[] = {
    Step(PeakCurrent, (Pout * kCurrentPeakFactor) / VinMin,
         "满功率、最低输入电压时的电感峰值电流 √2·Pout ÷ Vin,min。"),
    // Read back from the displayed peak.
    Step(RippleCurrent, PeakCurrent / kRippleDivisor, "电感纹波电流，取峰值电流的 20 %。"),
    Step(DutyCycle, (VinMax - (VinMin * kLinePeakFactor)) / VinMax,
         "最大占空比：1 减去最低输入电压的峰值与输入电压上限之比。", PartKind::None, &kDutyCycleReference),
    // From the displayed duty cycle and ripple current.
    Step(Inductance, ((((VinMin * kLinePeakFactor) * DutyCycle) / RippleCurrent) / Vout) * kMicrohenryScale,
         "升压电感：低压峰值 × 占空比 ÷ 纹波电流，再除以 Vout、乘以 1000。", PartKind::Inductor,
         &kInductanceReference),
    Step(Capacitance, Pout * kMicrofaradPerWatt, "输出滤波电容，每瓦输出功率 1.7 µF。", PartKind::Capacitor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 11),
    Row{{{Cell{"Text2", 11, 6}, Cell{"Text11", 2, 5}}}},
    FieldRow("Text3", 11),
    FieldRow("Text4", 11),
    FieldRow("Text5", 11),
    ButtonRow("Command8", "Command1"),
    FieldRow("Text6", 11),
    FieldRow("Text7", 11),
    FieldRow("Text8", 11),
    FieldRow("Text9", 11),
    FieldRow("Text10", 11),
};

constexpr std::string_view kTabOrder[] = {
    "Text11", "Text10", "Text9", "Text8", "Text7", "Text6", "Text5",
    "Text4",  "Text3",  "Text2", "Text1", "Command8", "Command1",
};

}  // namespace

constexpr WindowDescription kMainPowerComponentsWindow = {
    .name = "gl",
    .caption = "功率元件",
    .clientWidthTwips = 4470,
    .clientHeightTwips = 4845,
    .fields = kFields,
    .computeButton = "Command8",
    .returnButton = "Command1",
    .rows = kRows,
    .tabOrder = kTabOrder,
    .steps = kSteps,
};

}  // namespace zentrova
