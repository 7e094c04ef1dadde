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
    {{{{"Label1", 10}, {"Text1", 14}}}},    {{{{"Label2", 10}, {"Text2", 14}}}},
    {{{{"Label3", 10}, {"Text3", 14}}}},    {{{{"Command1", 12}, {"Command2", 12}}}},
    {{{{"Label4", 10}, {"Text4", 14}}}},
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
    {{{{"Label1", 8}, {"Text1", 16}}}},
    {{{{"Command1", 12}, {"Command2", 12}}}},
    {{{{"Label2", 8}, {"Text2", 16}}}},
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
    .computeButton = "Command1",
    .returnButton = "Command2",
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
    .computeButton = "Command1",
    .returnButton = "Command2",
    .rows = peak_limit_divider::kRows,
    .tabOrder = peak_limit_divider::kTabOrder,
    .steps = peak_limit_divider::kSteps,
};

}  // namespace zentrova
