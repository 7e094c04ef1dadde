#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "电网频率（Hz）", "60", "fline", kHertz, "电网频率", Quantity::LineFrequency),
    Input("Text2", "Label2", "Rff1(k)", "91", "Rff1", kKiloohm, "前馈分压器上电阻 Rff1；没有步骤读取它"),
    Input("Text3", "Label3", "Rff2(k)", "91", "Rff2", kKiloohm, "前馈分压器中间电阻 Rff2"),
    Input("Text4", "Label4", "%THD", "1.5", "THD", kPercent, "允许的总谐波失真，百分数"),
    Input("Text9", "Label9", "最低输入交流（V）", "80", "Vin,min", kVolt, "最低交流输入电压（有效值）",
          Quantity::LineVoltageMin),
    Output("Text5", "Label5", "前馈滤波器极点（Hz）", "fp", kHertz, "前馈滤波器两个相同极点的频率"),
    Output("Text6", "Label6", "Cff1(uF)", "Cff1", kMicrofarad, "电容 Cff1（Rff1 与 Rff2 之间节点到地）"),
    Output("Text8", "Label7", "Cff2(uF)", "Cff2", kMicrofarad, "电容 Cff2（跨接在 Rff3 上）"),
    Output("Text7", "Label8", "Rff1(uF)", "Rff3", kKiloohm,
           "与 Cff2 构成第二个极点的电阻，单位 kΩ（电路图中为 Rff3）；标签写作 Rff1(uF)"),
};

constexpr Formula LineFrequency = Formula::Read(kFields, "Text1");
constexpr Formula Rff2 = Formula::Read(kFields, "Text3");
constexpr Formula Thd = Formula::Read(kFields, "Text4");
constexpr Formula VinMin = Formula::Read(kFields, "Text9");
constexpr Formula PoleFrequency = Formula::Read(kFields, "Text5");
constexpr Formula Cff1 = Formula::Read(kFields, "Text6");
constexpr Formula Rff3 = Formula::Read(kFields, "Text7");
constexpr Formula Cff2 = Formula::Read(kFields, "Text8");

// The ripple at the feed-forward input lies at twice the line frequency.
constexpr Formula kRippleHarmonic = Constant(2, "纹波频率为电网频率的两倍");
// (fp ÷ 2f)² = %THD ÷ 66.2: each of the two equal poles contributes the
// square root of the allowed distortion ratio.
constexpr Formula kDistortionPercent = Constant(66.2, "两极点在两倍电网频率处的总衰减为 %THD ÷ 66.2");
// C = 1 ÷ (2π fp R) with R in kΩ and C in µF.
constexpr Formula kMicrofaradScale = Constant(1000, "kΩ 与 µF 的换算系数");
// Divided by the lowest line peak (1.4 × RMS), it gives the resistance Cff2
// is sized against, in kΩ.
constexpr Formula kSecondPoleConstant = Constant(257.348, "固定常数 257.348");

constexpr ComputeStep kSteps[] = {
    // The distortion ratio is cut to its displayed digits before the root.
    Step(PoleFrequency, (kRippleHarmonic * Sqrt(AsDisplayed(Thd / kDistortionPercent))) * LineFrequency,
         "两个相同极点的频率 fp：(fp ÷ 2fline)² = %THD ÷ 66.2。"),
    Step(Cff1, ((kMicrofaradScale / kTwoPi) / PoleFrequency) / Rff2, "Cff1 = 1 ÷ (2π·fp·Rff2)，与 Rff2 构成第一个极点。",
         PartKind::Capacitor),
    Step(Rff3, (kSecondPoleConstant / VinMin) / kLinePeakFactor, "257.348 除以最低线电压的峰值（1.4 × Vin,min）。",
         PartKind::Resistor),
    // Against the resistance of the step before.
    Step(Cff2, ((kMicrofaradScale / kTwoPi) / PoleFrequency) / Rff3, "Cff2 = 1 ÷ (2π·fp·Rff3)，构成第二个极点。",
         PartKind::Capacitor),
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
