#include "LoopWindows.h"

#include "calc/DesignConstants.h"

namespace zentrova {
namespace {

constexpr FieldDescription kFields[] = {
    Input("Text1", "Label1", "限流电阻(Ω)", "0.25", "Rs", kOhm, "电流检测电阻 Rs", Quantity::SenseResistance),
    Input("Text2", "Label2", "开关频率(KHZ)", "100", "fs", kKilohertz, "开关频率", Quantity::SwitchingFrequency),
    Input("Text3", "Label3", "输出电压(V)", "400", "Vout", kVolt, "输出电压", Quantity::OutputVoltage),
    Input("Text4", "Label4", "升压电感感量(uH)", "980", "L", kMicrohenry, "升压电感", Quantity::BoostInductance),
    Input("Text7", "Label5", "Rmo(K)", "3.9", "Rmo", kKiloohm, "乘法器输出端电阻 Rmo（电流放大器的输入电阻）",
          Quantity::Rmo),
    Output("Text5", "Label6", "电流环增益", "Gca", kRatio, "电流放大器的增益，纯比值"),
    Output("Text6", "Label7", "电流环穿越频率(KHZ)", "fc", kKilohertz, "电流环穿越频率"),
    Output("Text9", "Label8", "零点补偿电容(PF)", "Cz", kPicofarad, "零点补偿电容"),
    Output("Text10", "Label9", "极点补偿电容(PF)", "Cp", kPicofarad, "极点补偿电容"),
    Output("Text8", "Label10", "增益补偿电阻(K)", "Rf", kKiloohm, "电流放大器的反馈电阻 Rf"),
};

constexpr Formula Rs = Formula::Read(kFields, "Text1");
constexpr Formula Fs = Formula::Read(kFields, "Text2");
constexpr Formula Vout = Formula::Read(kFields, "Text3");
constexpr Formula L = Formula::Read(kFields, "Text4");
constexpr Formula Rmo = Formula::Read(kFields, "Text7");
constexpr Formula Gain = Formula::Read(kFields, "Text5");
constexpr Formula Crossover = Formula::Read(kFields, "Text6");
constexpr Formula Rf = Formula::Read(kFields, "Text8");
constexpr Formula Cz = Formula::Read(kFields, "Text9");
constexpr Formula Cp = Formula::Read(kFields, "Text10");

// The oscillator ramp amplitude, in volts.
constexpr double kRampVolts = 5.2;
// 5.2 × 6.28 as the double product, one ulp above the double nearest 32.656.
constexpr double kRampTimesTwoPiProduct = 32.656000000000006;
static_assert(kRampTimesTwoPiProduct == kRampVolts * 6.28);

constexpr Formula kRamp = Constant(kRampVolts, "振荡器斜坡幅度 5.2 V");
constexpr Formula kRampTimesTwoPi = Constant(kRampTimesTwoPiProduct, "5.2 × 6.28 的双精度乘积");
// kHz and µH: Rs × Vout ÷ (fs × L) × 1000 is a voltage.
constexpr Formula kMilli = Constant(1000, "kHz 与 µH 的换算系数");
// kHz × kΩ against pF.
constexpr Formula kPicofaradScale = Constant(1000000, "kHz × kΩ 换算为 pF");

constexpr ComputeStep kSteps[] = {
    Step(Gain, kRamp / ((((Rs * Vout) / Fs) / L) * kMilli),
         "电流放大器增益：电感电流斜率在 Rs 上的电压经放大后等于 5.2 V 的斜坡幅度。"),
    // Read back from the displayed gain.
    Step(Crossover, (((Rs * Vout) * Gain) * kMilli) / (L * kRampTimesTwoPi),
         "电流环穿越频率 fc = Vout·Rs·Gca ÷ (5.2 × 6.28 × L)。"),
    Step(Rf, Rmo * Gain, "反馈电阻 Rf = Rmo × Gca，放大器增益为 Rf ÷ Rmo。", PartKind::Resistor),
    Step(Cz, ((kPicofaradScale / kTwoPi) / Crossover) / Rf, "零点电容：Rf 与它的零点位于穿越频率。", PartKind::Capacitor),
    Step(Cp, ((kPicofaradScale / kTwoPi) / Fs) / Rf, "极点电容：Rf 与它的极点位于开关频率。", PartKind::Capacitor),
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
