#include "PowerWindows.h"

namespace zentrova {
namespace sense_resistor {

// µH × kHz gives milliohms: the division by 1000 gives ohms.
constexpr double kOhmsPerMicrohenryKilohertz = 1000;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "电感量(uH)", "980", FieldRole::Input},
    {"Text2", "Label2", "开关频率(KHZ)", "100", FieldRole::Input},
    {"Text3", "Label3", "输出电压(V)", "400", FieldRole::Input},
    {"Text4", "Label4", "限流电阻(R)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),    FieldRow("Text2", 10),
    FieldRow("Text3", 10),    ButtonRow("Command1", "Command2"),
    FieldRow("Text4", 10),
};

// The output field comes before the buttons although it stands below them.
constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2"};

constexpr ComputeStep kSteps[] = {
    // Rs = L × fs ÷ Vout.
    {"Text4", [](const FieldReader& f) { return ((f["Text1"] * f["Text2"]) / f["Text3"]) / kOhmsPerMicrohenryKilohertz; }},
};

}  // namespace sense_resistor

namespace peak_limit_divider {

// Rpk1 : Rpk2 is fixed at 6.5 : 1.
constexpr double kDividerRatio = 6.5;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "Rpk1(K)", "10", FieldRole::Input},
    {"Text2", "Label2", "Rpk2(K)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 8),
    ButtonRow("Command1", "Command2"),
    FieldRow("Text2", 8),
};

constexpr std::string_view kTabOrder[] = {"Text1", "Text2", "Command1", "Command2"};

constexpr ComputeStep kSteps[] = {
    {"Text2", [](const FieldReader& f) { return f["Text1"] / kDividerRatio; }},
};

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
