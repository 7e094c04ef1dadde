#include "LoopWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

// The oscillator ramp amplitude, in volts.
constexpr double kRampVolts = 5.2;
// 5.2 × 6.28 as the double product, one ulp above the double nearest 32.656.
constexpr double kRampTimesTwoPi = 32.656000000000006;
static_assert(kRampTimesTwoPi == kRampVolts * kTwoPi);
// kHz and µH: Rs × Vout ÷ (fs × L) × 1000 is a voltage.
constexpr double kMilli = 1000;
// kHz × kΩ against pF.
constexpr double kPicofaradScale = 1000000;

constexpr FieldDescription kFields[] = {
    {"Text1", "Label1", "限流电阻(Ω)", "0.25", FieldRole::Input},
    {"Text2", "Label2", "开关频率(KHZ)", "100", FieldRole::Input},
    {"Text3", "Label3", "输出电压(V)", "400", FieldRole::Input},
    {"Text4", "Label4", "升压电感感量(uH)", "980", FieldRole::Input},
    {"Text7", "Label5", "Rmo(K)", "3.9", FieldRole::Input},
    {"Text5", "Label6", "电流环增益", "", FieldRole::Output},
    {"Text6", "Label7", "电流环穿越频率(KHZ)", "", FieldRole::Output},
    {"Text9", "Label8", "零点补偿电容(PF)", "", FieldRole::Output},
    {"Text10", "Label9", "极点补偿电容(PF)", "", FieldRole::Output},
    {"Text8", "Label10", "增益补偿电阻(K)", "", FieldRole::Output},
};

constexpr Row kRows[] = {
    FieldRow("Text1", 10),  FieldRow("Text2", 10),
    FieldRow("Text3", 10),  FieldRow("Text4", 10),
    FieldRow("Text7", 10),  ButtonRow("Command1", "Command2"),
    FieldRow("Text5", 10),  FieldRow("Text6", 10),
    FieldRow("Text9", 10),  FieldRow("Text10", 10),
    FieldRow("Text8", 10),
};

// By control number, not by row.
constexpr std::string_view kTabOrder[] = {
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Command1", "Command2",
};

constexpr ComputeStep kSteps[] = {
    // Gain: the inductor current slope across Rs over one period meets the ramp.
    {"Text5",
     [](const FieldReader& f) {
         return Number(kRampVolts) / ((((f["Text1"] * f["Text3"]) / f["Text2"]) / f["Text4"]) * kMilli);
     }},
    // Crossover frequency, kHz.
    {"Text6",
     [](const FieldReader& f) {
         return (((f["Text1"] * f["Text3"]) * f["Text5"]) * kMilli) / (f["Text4"] * kRampTimesTwoPi);
     }},
    // Feedback resistor Rf = Rmo × gain.
    {"Text8", [](const FieldReader& f) { return f["Text7"] * f["Text5"]; }},
    // Zero capacitor at the crossover frequency.
    {"Text9", [](const FieldReader& f) { return ((Number(kPicofaradScale) / kTwoPi) / f["Text6"]) / f["Text8"]; }},
    // Pole capacitor at the switching frequency.
    {"Text10", [](const FieldReader& f) { return ((Number(kPicofaradScale) / kTwoPi) / f["Text2"]) / f["Text8"]; }},
};

}  // namespace

constexpr WindowDescription kCurrentLoopWindow = {
    .name = "dlbch",
    .caption = "电流补偿环计算",
    .clientWidthTwips = 4785,
    .clientHeightTwips = 5955,
    .fields = kFields,
    .rows = kRows,
    .tabOrder = kTabOrder,
    .steps = kSteps,
};

}  // namespace zentrova
