#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace multiplier_input {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "最高交流输入(V)", "260", "Vin,max", kVolt, "最高交流输入电压（有效值）",
          Quantity::LineVoltageMax),
    Output("Text2", "Label2", "Rvac(K)", "Rvac", kKiloohm, "整流后线电压到 IAC 输入的电阻", Quantity::Rvac),
};

constexpr Formula VinMax = Formula::Read(kFields, "Text1");
constexpr Formula Rvac = Formula::Read(kFields, "Text2");

// Rvac carries 600 µA into IAC at the peak (1.4 × RMS) of the highest line
// voltage; V ÷ µA gives MΩ, × 1000 gives kΩ.
constexpr Formula kKiloohmsPerMegaohm = Constant(1000, "MΩ 换算为 kΩ");
constexpr Formula kPeakIacMicroamps = Constant(600, "IAC 的峰值电流 600 µA");

constexpr ComputeStep kSteps[] = {
    Step(Rvac, ((VinMax * kLinePeakFactor) * kKiloohmsPerMegaohm) / kPeakIacMicroamps,
         "最高线电压峰值时向 IAC 输入送入 600 µA 的电阻 Rvac。", PartKind::Resistor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Command1", "Command2"};

}  // namespace multiplier_input

namespace multiplier_bias {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "Rvac(K)", "620", "Rvac", kKiloohm, "乘法器输入电阻 Rvac", Quantity::Rvac),
    Output("Text2", "Label2", "Rb1(K)", "Rb1", kKiloohm, "REF 到 IAC 输入的偏置电阻 Rb1（乘法器非线性校正）"),
};

constexpr Formula Rvac = Formula::Read(kFields, "Text1");
constexpr Formula Rb1 = Formula::Read(kFields, "Text2");

// Rb1 is a quarter of Rvac.
constexpr Formula kBiasFraction = Constant(0.25, "Rb1 取 Rvac 的四分之一");

constexpr ComputeStep kSteps[] = {
    Step(Rb1, Rvac * kBiasFraction, "偏置电阻 Rb1 = Rvac ÷ 4。", PartKind::Resistor),
};

constexpr Row kRows[] = {
    FieldRow("Text1", 8),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 8),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Command1", "Command2", "Text2"};

}  // namespace multiplier_bias

constexpr WindowDescription kMultiplierInputWindow = {
    .name = "qkcfq",
    .caption = "前馈乘法器",
    .clientWidthTwips = 3840,
    .clientHeightTwips = 1890,
    .fields = multiplier_input::kFields,
    .rows = multiplier_input::kRows,
    .tabOrder = multiplier_input::kTabOrder,
    .steps = multiplier_input::kSteps,
};

constexpr WindowDescription kMultiplierBiasWindow = {
    .name = "fxxpz",
    .caption = "非线性偏置",
    .clientWidthTwips = 3405,
    .clientHeightTwips = 1785,
    .fields = multiplier_bias::kFields,
    .rows = multiplier_bias::kRows,
    .tabOrder = multiplier_bias::kTabOrder,
    .steps = multiplier_bias::kSteps,
};

}  // namespace zentrova
