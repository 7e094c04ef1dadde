#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace timing_resistor {

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "最低交流输入(V)", "80", FieldRole::Input},
    {"Text2", "Label2", "Rvac（K）", "620", FieldRole::Input},
    {"Text3", "Label3", "定时电阻（K）", "", FieldRole::Output},
    {"Text4", "Label4", "Iac（mA）", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),    FieldRow("Text2", 10),
    ButtonRow("Command1", "Command2"), FieldRow("Text3", 10),
    FieldRow("Text4", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2"};

constexpr ComputeStep kSteps[] = {
    // 3.75 ÷ 2 is exactly 1.875, divided by Rvac.
    {"Text3", [](const FieldReader& f) { return (Number(3.75) / 2.0) / f["Text2"]; }},
    // The lowest line peak over the displayed figure of the step before.
    {"Text4", [](const FieldReader& f) { return (f["Text1"] * kLinePeakFactor) / f["Text3"]; }},
};

}  // namespace timing_resistor

namespace timing_capacitor {

// CT = 1 ÷ (fs × RSET): kHz and kΩ give µF, × 1000 gives nF.
constexpr double kNanofaradScale = 1000;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "开关频率(KHZ)", "100", FieldRole::Input},
    {"Text2", "Label2", "振荡定时电阻(K)", "15", FieldRole::Input},
    // Shown in nF by the formula's scaling, whatever the label's unit says.
    {"Text3", "Label3", "振荡定时电容(uH)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),
    FieldRow("Text2", 10),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text3", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Command1", "Command2"};

constexpr ComputeStep kSteps[] = {
    {"Text3", [](const FieldReader& f) { return (Number(kNanofaradScale) / f["Text1"]) / f["Text2"]; }},
};

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
