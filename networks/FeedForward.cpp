#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

// (fp ÷ 2f)² = %THD ÷ 66.2: each of the two equal poles contributes the
// square root of the allowed distortion ratio.
constexpr double kDistortionPercent = 66.2;
// C = 1 ÷ (2π fp R) with R in kΩ and C in µF.
constexpr double kMicrofaradScale = 1000;
// Divided by the lowest line peak (1.4 × RMS), it gives the resistance Cff2
// is sized against, in kΩ.
constexpr double kSecondPoleConstant = 257.348;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "电网频率（Hz）", "60", FieldRole::Input},
    {"Text2", "Label2", "Rff1(k)", "91", FieldRole::Input},
    {"Text3", "Label3", "Rff2(k)", "91", FieldRole::Input},
    {"Text4", "Label4", "%THD", "1.5", FieldRole::Input},
    {"Text9", "Label9", "最低输入交流（V）", "80", FieldRole::Input},
    {"Text5", "Label5", "前馈滤波器极点（Hz）", "", FieldRole::Output},
    {"Text6", "Label6", "Cff1(uF)", "", FieldRole::Output},
    {"Text8", "Label7", "Cff2(uF)", "", FieldRole::Output},
    {"Text7", "Label8", "Rff1(uF)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 11), FieldRow("Text2", 11),
    FieldRow("Text3", 11), FieldRow("Text4", 11),
    FieldRow("Text9", 11), ButtonRow("Command1", "Command2"),
    FieldRow("Text5", 11), FieldRow("Text6", 11),
    FieldRow("Text8", 11), FieldRow("Text7", 11),
};

constexpr std::string_view kTabOrder[] = {
    "Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Text6", "Text7", "Text8", "Text9", "Command2",
};

constexpr ComputeStep kSteps[] = {
    // Pole frequency; the distortion ratio is cut to its displayed digits
    // before the square root.
    {"Text5",
     [](const FieldReader& f) { return (2.0 * Pow(ThroughText(f["Text4"] / kDistortionPercent), 0.5)) * f["Text1"]; }},
    // Cff1 against Rff2.
    {"Text6", [](const FieldReader& f) { return ((Number(kMicrofaradScale) / kTwoPi) / f["Text5"]) / f["Text3"]; }},
    {"Text7", [](const FieldReader& f) { return (Number(kSecondPoleConstant) / f["Text9"]) / kLinePeakFactor; }},
    // Cff2 against the resistance of the step before.
    {"Text8", [](const FieldReader& f) { return ((Number(kMicrofaradScale) / kTwoPi) / f["Text5"]) / f["Text7"]; }},
};

}  // namespace

constexpr WindowDescription kFeedForwardWindow = {
    .name = "qkcf",
    .caption = "前馈乘方",
    .clientWidthTwips = 4575,
    .clientHeightTwips = 5385,
    .fields = kFields,
    .rows = kRows,
    .tabOrder = kTabOrder,
    .steps = kSteps,
};

}  // namespace zentrova
