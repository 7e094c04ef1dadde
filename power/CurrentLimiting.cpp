#include "PowerWindows.h"

namespace zentrova {
namespace sense_resistor {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "电感量(uH)", "980", "L", kMicrohenry, "升压电感", Quantity::BoostInductance),
    Input("Text2", "Label2", "开关频率(KHZ)", "100", "fs", kKilohertz, "开关频率", Quantity::SwitchingFrequency),
    Input("Text3", "Label3", "输出电压(V)", "400", "Vout", kVolt, "输出电压", Quantity::OutputVoltage),
    Output("Text4", "Label4", "限流电阻(R)", "Rs", kOhm, "升压级回路中的电流检测电阻", Quantity::SenseResistance),
};

constexpr Formula L = Formula::Read(kFields, "Text1");
constexpr Formula Fs = Formula::Read(kFields, "Text2");
constexpr Formula Vout = Formula::Read(kFields, "Text3");
constexpr Formula Rs = Formula::Read(kFields, "Text4");

// µH × kHz gives milliohms: the division by 1000 gives ohms.
constexpr Formula kMilliohmsPerOhm = Constant(1000, "µH × kHz 换算为 Ω");

constexpr ComputeStep kSteps[] = {
    Step(Rs, ((L * Fs) / Vout) / kMilliohmsPerOhm, "电流检测电阻 Rs = L·fs ÷ Vout。", PartKind::Resistor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),    FieldRow("Text2", 10),
    FieldRow("Text3", 10),    ButtonRow("Command1", "Command2"),
    FieldRow("Text4", 10),
};

// The output field comes before the buttons although it stands below them.
constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2"};

}  // namespace sense_resistor

namespace peak_limit_divider {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "Rpk1(K)", "10", "Rpk1", kKiloohm, "PKLMT 峰值限流分压器的上电阻 Rpk1"),
    Output("Text2", "Label2", "Rpk2(K)", "Rpk2", kKiloohm, "PKLMT 峰值限流分压器的下电阻 Rpk2"),
};

constexpr Formula Rpk1 = Formula::Read(kFields, "Text1");
constexpr Formula Rpk2 = Formula::Read(kFields, "Text2");

// Rpk1 : Rpk2 is fixed at 6.5 : 1.
constexpr Formula kDividerRatio = Constant(6.5, "分压比 Rpk1 : Rpk2 固定为 6.5 : 1");

constexpr ComputeStep kSteps[] = {
    Step(Rpk2, Rpk1 / kDividerRatio, "峰值限流分压器的下电阻，分压比 6.5 : 1。", PartKind::Resistor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 8),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 8),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Command1", "Command2"};

}  // namespace peak_limit_divider

constexpr WindowDescription kSenseResistorWindow = {
    .name = "xldz",
    .caption = "限流电阻",
    .clientWidthTwips = 3975,
    .clientHeightTwips = 3030,
    .fields = sense_resistor::kFields,
    .rows = sense_resistor::kRows,
    .tabOrder = sense_resistor::kTabOrder,
    .steps = sense_resistor::kSteps,
};

// The caption ends in a blank.
constexpr WindowDescription kPeakLimitDividerWindow = {
    .name = "XL",
    .caption = "限流设置 ",
    .clientWidthTwips = 3240,
    .clientHeightTwips = 2415,
    .fields = peak_limit_divider::kFields,
    .rows = peak_limit_divider::kRows,
    .tabOrder = peak_limit_divider::kTabOrder,
    .steps = peak_limit_divider::kSteps,
};

}  // namespace zentrova
