#include "PowerWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

// √2 taken as 1.414 for the peak of the low-line current; the low-line peak
// voltage of the duty-cycle and inductance steps uses 1.4.
constexpr double kPeakFactorCurrent = 1.414;
// The ripple current is a fifth (20 %) of the peak inductor current.
constexpr double kRippleDivisor = 5;
// µH from V·(duty)/(A·V): the factor 1000 of the inductance step.
constexpr double kMicrohenry = 1000;
// 1.7 µF of output capacitance per watt.
constexpr double kMicrofaradPerWatt = 1.7;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "输出功率（W）", "250", FieldRole::Input},
    {"Text2", "Label2", "输入电压范围（V）", "80", FieldRole::Input},
    {"Text11", "Label11", "到", "260", FieldRole::Input},
    {"Text3", "Label3", "电网频率（Hz）", "60", FieldRole::Input},
    {"Text4", "Label4", "开关频率（KHz）", "100", FieldRole::Input},
    {"Text5", "Label5", "输出电压（V）", "400", FieldRole::Input},
    {"Text6", "Label6", "电感最大电流（A）", "", FieldRole::Output},
    {"Text7", "Label7", "电感增量电流（A）", "", FieldRole::Output},
    {"Text8", "Label8", "最大占空比", "", FieldRole::Output},
    {"Text9", "Label9", "所需要电感（uH）", "", FieldRole::Output},
    {"Text10", "Label10", "所需要电容（uF）", "", FieldRole::Output},
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

constexpr ComputeStep kSteps[] = {
    // Peak inductor current at full power and the lowest input voltage.
    {"Text6", [](const FieldReader& f) { return (f["Text1"] * kPeakFactorCurrent) / f["Text2"]; }},
    // Ripple current from the displayed peak.
    {"Text7", [](const FieldReader& f) { return f["Text6"] / kRippleDivisor; }},
    // Maximum duty cycle at low line, against the upper input voltage.
    {"Text8", [](const FieldReader& f) { return (f["Text11"] - (f["Text2"] * kLinePeakFactor)) / f["Text11"]; }},
    // Boost inductance from the displayed duty cycle and ripple current.
    {"Text9",
     [](const FieldReader& f) {
         return ((((f["Text2"] * kLinePeakFactor) * f["Text8"]) / f["Text7"]) / f["Text5"]) * kMicrohenry;
     }},
    {"Text10", [](const FieldReader& f) { return f["Text1"] * kMicrofaradPerWatt; }},
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
