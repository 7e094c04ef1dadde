#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace timing_resistor {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "最低交流输入(V)", "80", "Vin,min", kVolt, "最低交流输入电压（有效值）",
          Quantity::LineVoltageMin),
    Input("Text2", "Label2", "Rvac（K）", "620", "Rvac", kKiloohm, "乘法器输入电阻 Rvac", Quantity::Rvac),
    // 1.875 V over kΩ is a current in mA, whatever the label says.
    Output("Text3", "Label3", "定时电阻（K）", "RT", kMilliampere,
           "第 1 步的结果：1.875 V 除以 Rvac，按公式的单位为 mA；标签写作定时电阻"),
    // Volts over that figure in mA give kΩ.
    Output("Text4", "Label4", "Iac（mA）", "IAC", kKiloohm,
           "第 2 步的结果：最低线电压峰值除以显示的第 1 步结果，按公式的单位为 kΩ；标签写作 Iac"),
};

constexpr Formula VinMin = Formula::Read(kFields, "Text1");
constexpr Formula Rvac = Formula::Read(kFields, "Text2");
constexpr Formula TimingFigure = Formula::Read(kFields, "Text3");
constexpr Formula IacFigure = Formula::Read(kFields, "Text4");

// The oscillator's RSET pin sits at 3.75 V; half of it, 1.875, is divided
// as written, which is exact.
constexpr Formula kRsetVolts = Constant(3.75, "RSET 引脚电压 3.75 V");
constexpr Formula kHalf = Constant(2, "取一半");

// The standard IAC input current at the peak of the lowest line voltage.
constexpr Formula kStandardIac = Define("IAC", "标准方法的 IAC 电流", (kStandardSqrt2 * VinMin) / Rvac);

constexpr ReferenceFormula kRsetReference{"RSET", kRsetVolts / (kHalf * kStandardIac), kKiloohm, PartKind::Resistor,
                                          "窗口的公式以 1.875 除以 Rvac，而不是除以 IAC 电流。"};

constexpr ReferenceFormula kIacReference{"IAC", kStandardIac, kMilliampere, PartKind::None,
                                         "窗口的公式除以显示的第 1 步结果，而不是除以 Rvac。"};

constexpr ComputeStep kSteps[] = {
    Step(TimingFigure, (kRsetVolts / kHalf) / Rvac, "1.875 除以 Rvac。", PartKind::None, &kRsetReference),
    // The lowest line peak over the displayed figure of the step before.
    Step(IacFigure, (VinMin * kLinePeakFactor) / TimingFigure, "最低线电压峰值（1.4 × Vin,min）除以第 1 步显示的结果。",
         PartKind::None, &kIacReference),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),    FieldRow("Text2", 10),
    ButtonRow("Command1", "Command2"), FieldRow("Text3", 10),
    FieldRow("Text4", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2"};

}  // namespace timing_resistor

namespace timing_capacitor {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "开关频率(KHZ)", "100", "fs", kKilohertz, "开关频率", Quantity::SwitchingFrequency),
    Input("Text2", "Label2", "振荡定时电阻(K)", "15", "RSET", kKiloohm, "振荡器定时电阻 RSET", Quantity::Rset),
    // Shown in nF by the formula's scaling, whatever the label's unit says.
    Output("Text3", "Label3", "振荡定时电容(uH)", "CT", kNanofarad, "振荡器定时电容，按公式的单位为 nF；标签写作 uH"),
};

constexpr Formula Fs = Formula::Read(kFields, "Text1");
constexpr Formula Rset = Formula::Read(kFields, "Text2");
constexpr Formula Ct = Formula::Read(kFields, "Text3");

// CT = 1 ÷ (fs × RSET): kHz and kΩ give µF, × 1000 gives nF.
constexpr Formula kNanofaradScale = Constant(1000, "µF 换算为 nF");
// The controller's oscillator: fs = 1.25 ÷ (RSET × CT).
constexpr Formula kOscillatorConstant = Constant(1.25, "振荡器常数 1.25");

constexpr ReferenceFormula kTimingCapacitorReference{"CT", (kOscillatorConstant / (Rset * Fs)) * kNanofaradScale,
                                                     kNanofarad, PartKind::Capacitor, "窗口的公式省去了系数 1.25。"};

constexpr ComputeStep kSteps[] = {
    Step(Ct, (kNanofaradScale / Fs) / Rset, "定时电容 CT = 1 ÷ (fs·RSET)，乘以 1000 得 nF。", PartKind::Capacitor,
         &kTimingCapacitorReference),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),
    FieldRow("Text2", 10),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text3", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Command1", "Command2"};

}  // namespace timing_capacitor

constexpr WindowDescription kTimingResistorWindow = {
    .name = "zddsdz",
    .caption = "Form1",
    .clientWidthTwips = 3870,
    .clientHeightTwips = 3165,
    .fields = timing_resistor::kFields,
    .rows = timing_resistor::kRows,
    .tabOrder = timing_resistor::kTabOrder,
    .steps = timing_resistor::kSteps,
};

constexpr WindowDescription kTimingCapacitorWindow = {
    .name = "zddsdr",
    .caption = "振荡定时电容",
    .clientWidthTwips = 3915,
    .clientHeightTwips = 3105,
    .fields = timing_capacitor::kFields,
    .rows = timing_capacitor::kRows,
    .tabOrder = timing_capacitor::kTabOrder,
    .steps = timing_capacitor::kSteps,
};

}  // namespace zentrova
