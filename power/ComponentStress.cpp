#include "PowerWindows.h"

#include <numbers>

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "输出功率(W)", "250", "Pout", kWatt, "输出功率", Quantity::OutputPower),
    Input("Text2", "Label2", "效率", "0.95", "η", kRatio, "满载、最低输入电压时的效率，纯小数", Quantity::Efficiency),
    Input("Text3", "Label3", "最低输入交流(V)", "80", "Vin,min", kVolt, "最低交流输入电压（有效值）",
          Quantity::LineVoltageMin),
    Input("Text4", "Label4", "输出电压(V)", "400", "Vout", kVolt, "直流输出电压", Quantity::OutputVoltage),
    Input("Text5", "Label5", "开关频率(KHz)", "100", "fs", kKilohertz, "开关频率", Quantity::SwitchingFrequency),
    Input("Text6", "Label6", "升压电感(uH)", "1000", "L", kMicrohenry, "升压电感", Quantity::BoostInductance),
    Input("Text7", "Label7", "限流电阻(Ω)", "0.25", "Rs", kOhm, "电流检测电阻", Quantity::SenseResistance),
    Input("Text8", "Label8", "保持时间(ms)", "20", "thold", kMillisecond, "掉电后输出须保持的时间"),
    Input("Text9", "Label9", "保持期最低输出电压(V)", "300", "Vhold", kVolt, "保持时间结束时允许的最低输出电压"),
    Output("Text10", "Label10", "输入电流有效值(A)", "Iin", kAmpere, "最低输入电压、满载时的输入电流有效值"),
    Output("Text11", "Label11", "电感峰值电流(A)", "IL,pk", kAmpere, "最低输入电压峰值处的电感峰值电流，含开关纹波"),
    Output("Text12", "Label12", "MOSFET电流有效值(A)", "IQ,rms", kAmpere, "MOSFET 电流有效值"),
    Output("Text13", "Label13", "二极管电流有效值(A)", "ID,rms", kAmpere, "升压二极管电流有效值"),
    Output("Text14", "Label14", "二极管平均电流(A)", "ID,avg", kAmpere, "升压二极管平均电流"),
    Output("Text15", "Label15", "输出电容纹波电流(A)", "IC,rms", kAmpere, "输出电容纹波电流有效值"),
    Output("Text16", "Label16", "限流电阻功耗(W)", "PRs", kWatt, "电流检测电阻的功耗"),
    Output("Text17", "Label17", "保持电容(uF)", "Chold", kMicrofarad, "满足保持时间所需的输出电容", Quantity::OutputCapacitance),
};

constexpr Formula Pout = Formula::Read(kFields, "Text1");
constexpr Formula Efficiency = Formula::Read(kFields, "Text2");
constexpr Formula VinMin = Formula::Read(kFields, "Text3");
constexpr Formula Vout = Formula::Read(kFields, "Text4");
constexpr Formula SwitchingKilohertz = Formula::Read(kFields, "Text5");
constexpr Formula InductanceMicrohenry = Formula::Read(kFields, "Text6");
constexpr Formula Rs = Formula::Read(kFields, "Text7");
constexpr Formula HoldMilliseconds = Formula::Read(kFields, "Text8");
constexpr Formula Vhold = Formula::Read(kFields, "Text9");
constexpr Formula InputCurrent = Formula::Read(kFields, "Text10");
constexpr Formula InductorPeak = Formula::Read(kFields, "Text11");
constexpr Formula SwitchRms = Formula::Read(kFields, "Text12");
constexpr Formula DiodeRms = Formula::Read(kFields, "Text13");
constexpr Formula DiodeAverage = Formula::Read(kFields, "Text14");
constexpr Formula CapacitorRipple = Formula::Read(kFields, "Text15");
constexpr Formula SenseLoss = Formula::Read(kFields, "Text16");
constexpr Formula HoldUpCapacitance = Formula::Read(kFields, "Text17");

// √2 and π as the doubles nearest to them: this window follows the
// classical derivation, not the rounded constants of the older windows.
constexpr Formula kSqrt2 = Constant(std::numbers::sqrt2, "√2", "√2");
constexpr Formula kPi = Constant(std::numbers::pi, "π", "π");
constexpr Formula kOne = Constant(1, "1");
constexpr Formula kTwo = Constant(2, "2");
constexpr Formula kThree = Constant(3, "3");
constexpr Formula kEight = Constant(8, "8");
constexpr Formula kHertzPerKilohertz = Constant(1000, "kHz 换算为 Hz");
constexpr Formula kMicrohenryPerHenry = Constant(1000000, "µH 换算为 H");
constexpr Formula kMillisecondsPerSecond = Constant(1000, "ms 换算为 s");
constexpr Formula kMicrofaradPerFarad = Constant(1000000, "F 换算为 µF");

// The peak of the lowest line voltage and the duty cycle there.
constexpr Formula kLinePeak = Define("Vpk", "最低输入电压的峰值", kSqrt2 * VinMin);
constexpr Formula kPeakDuty = Define("D", "最低输入电压峰值处的占空比", kOne - (kLinePeak / Vout));
// The inductor's ripple at that peak, in A.
constexpr Formula kPeakRipple =
    Define("ΔI", "最低输入电压峰值处的电感纹波电流",
           (kLinePeak * kPeakDuty) / ((SwitchingKilohertz * kHertzPerKilohertz) * (InductanceMicrohenry / kMicrohenryPerHenry)));
// The share of the line period the diode conducts, by the classical
// derivation: 8√2·Vin,min ÷ (3π·Vout).
constexpr Formula kDiodeShare =
    Define("kD", "二极管导通份额 8√2·Vin,min ÷ (3π·Vout)", ((kEight * kSqrt2) * VinMin) / ((kThree * kPi) * Vout));

constexpr ComputeStep kSteps[] = {
    Step(InputCurrent, Define("Pin", "输入功率 Pout ÷ η", Pout / Efficiency) / VinMin,
         "输入电流有效值 Iin = Pin ÷ Vin,min，Pin = Pout ÷ η。"),
    // From the displayed input current.
    Step(InductorPeak, (kSqrt2 * InputCurrent) + (kPeakRipple / kTwo),
         "电感峰值电流：输入电流峰值加上最低输入电压峰值处开关纹波的一半。"),
    Step(SwitchRms, InputCurrent * Sqrt(kOne - kDiodeShare),
         "MOSFET 电流有效值 Iin·√(1 − 8√2·Vin,min ÷ (3π·Vout))；不计电感电流的开关纹波（经典推导的工频平均值）。"),
    Step(DiodeRms, InputCurrent * Sqrt(kDiodeShare),
         "二极管电流有效值 Iin·√(8√2·Vin,min ÷ (3π·Vout))；不计电感电流的开关纹波（经典推导的工频平均值）。"),
    Step(DiodeAverage, Pout / Vout, "二极管平均电流等于输出电流 Pout ÷ Vout。"),
    // From the displayed diode currents.
    Step(CapacitorRipple, Sqrt(Square(DiodeRms) - Square(DiodeAverage)),
         "输出电容纹波电流 √(ID,rms² − ID,avg²)；不计电感电流的开关纹波（经典推导的工频平均值）。"),
    Step(SenseLoss, Square(InputCurrent) * Rs, "电流检测电阻的功耗 Iin²·Rs。"),
    Step(HoldUpCapacitance,
         (((kTwo * Pout) * (HoldMilliseconds / kMillisecondsPerSecond)) / (Square(Vout) - Square(Vhold))) *
             kMicrofaradPerFarad,
         "保持电容 2·Pout·thold ÷ (Vout² − Vhold²)：保持时间内从 Vout 降到 Vhold 所放出的能量。", PartKind::Capacitor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 13),  FieldRow("Text2", 13),  FieldRow("Text3", 13),
    FieldRow("Text4", 13),  FieldRow("Text5", 13),  FieldRow("Text6", 13),
    FieldRow("Text7", 13),  FieldRow("Text8", 13),  FieldRow("Text9", 13),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text10", 13), FieldRow("Text11", 13), FieldRow("Text12", 13),
    FieldRow("Text13", 13), FieldRow("Text14", 13), FieldRow("Text15", 13),
    FieldRow("Text16", 13), FieldRow("Text17", 13),
};

// Inputs, then the results, then the buttons: by control number.
constexpr std::string_view kTabOrder[] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",    "Text9",   "Text10",
    "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Command1", "Command2",
};

}  // namespace

constexpr WindowDescription kComponentStressWindow = {
    .name = "yl",
    .caption = "器件应力计算",
    .clientWidthTwips = 5100,
    .clientHeightTwips = 7380,
    .fields = kFields,
    .rows = kRows,
    .tabOrder = kTabOrder,
    .steps = kSteps,
};

}  // namespace zentrova
