#include "NetworkWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace multiplier_input {

// Rvac carries 600 µA into IAC at the peak (1.4 × RMS) of the highest line
// voltage; V ÷ µA gives MΩ, × 1000 gives kΩ.
constexpr double kKiloohmsPerMegaohm = 1000;
constexpr double kPeakIacMicroamps = 600;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "最高交流输入(V)", "260", FieldRole::Input},
    {"Text2", "Label2", "Rvac(K)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 10),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Command1", "Command2"};

constexpr ComputeStep kSteps[] = {
    {"Text2",
     [](const FieldReader& f) { return ((f["Text1"] * kLinePeakFactor) * kKiloohmsPerMegaohm) / kPeakIacMicroamps; }},
};

}  // namespace multiplier_input

namespace multiplier_bias {

// Rb1 is a quarter of Rvac.
constexpr double kBiasFraction = 0.25;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "Rvac(K)", "620", FieldRole::Input},
    {"Text2", "Label2", "Rb1(K)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 8),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 8),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Command1", "Command2", "Text2"};

constexpr ComputeStep kSteps[] = {
    {"Text2", [](const FieldReader& f) { return f["Text1"] * kBiasFraction; }},
};

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
