#include "calc/UnitConversion.h"
#include "calc/WindowDescription.h"
#include "catalog/SameQuantity.h"
#include "catalog/WindowCatalog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace zentrova {
namespace {

using Holders = std::set<std::string>;  // "window.control"

// Which fields hold the same quantity, read off the windows' meanings by
// hand: the one value of a design that the engineer carries between them.
const std::map<std::string, Holders> kSharedQuantities = {
    {"output-power", {"gl.Text1", "dybch.Text1", "yl.Text1"}},
    {"line-voltage-min", {"gl.Text2", "qkcf.Text9", "zddsdz.Text1", "yl.Text3"}},
    {"line-voltage-max", {"gl.Text11", "qkcfq.Text1"}},
    {"line-frequency", {"gl.Text3", "qkcf.Text1", "dybch.Text2"}},
    {"switching-frequency", {"gl.Text4", "xldz.Text2", "dlbch.Text2", "zddsdr.Text1", "yl.Text5"}},
    {"output-voltage", {"gl.Text5", "xldz.Text3", "dlbch.Text3", "dybch.Text4", "yl.Text4"}},
    {"boost-inductance", {"gl.Text9", "xldz.Text1", "dlbch.Text4", "yl.Text6"}},
    {"sense-resistance", {"xldz.Text4", "dlbch.Text1", "yl.Text7"}},
    {"rvac", {"qkcfq.Text2", "fxxpz.Text1", "zddsdz.Text2"}},
    {"output-capacitance", {"gl.Text10", "dybch.Text3", "yl.Text17"}},
};

TEST(SameQuantity, EveryQuantityHeldByTwoOrMoreFields)
{
    std::map<std::string, Holders> found;
    for (const WindowDescription* window : CalculationWindows()) {
        for (const FieldDescription& field : window->fields) {
            if (field.quantity != Quantity::None)
                found[std::string(QuantityKey(field.quantity))].insert(std::string(window->name) + "." +
                                                                       std::string(field.control));
        }
    }
    std::erase_if(found, [](const auto& entry) { return entry.second.size() < 2; });
    EXPECT_EQ(found, kSharedQuantities);
}

TEST(SameQuantity, ListsTheOtherWindowsFields)
{
    const std::vector<QuantityHolder> holders = FieldsHoldingTheSameQuantity(*FindCalculationWindow("gl"), "Text9");
    Holders names;
    for (const QuantityHolder& holder : holders) {
        names.insert(std::string(holder.window->name) + "." + std::string(holder.field->control));
        EXPECT_FALSE(holder.converted) << "every inductance is in µH";
    }
    EXPECT_EQ(names, (Holders{"xldz.Text1", "dlbch.Text4", "yl.Text6"}));
    EXPECT_TRUE(FieldsHoldingTheSameQuantity(*FindCalculationWindow("gl"), "Text8").empty());
    EXPECT_TRUE(FieldsHoldingTheSameQuantity(*FindCalculationWindow("dlbch"), "Text7").empty())
        << "Rmo stands in one window only";
}

struct ConversionCase {
    const char* name;
    const char* text;
    Unit from;
    Unit to;
    const char* converted;  // nullptr: no conversion
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, ConvertsBetweenUnitsOfOneDimension)
{
    const ConversionCase& c = GetParam();
    const std::optional<std::string> text = ConvertedText(c.text, c.from, c.to);
    if (c.converted) {
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, c.converted);
    } else {
        EXPECT_FALSE(text.has_value());
    }
}

constexpr Unit kMillihenry{"mH", Dimension::Inductance, -3};

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionTest,
    ::testing::Values(
        // The same unit carries the text exactly as it stands.
        ConversionCase{"same_unit_keeps_the_text", " 0980.0 ", kMicrohenry, kMicrohenry, " 0980.0 "},
        ConversionCase{"microhenry_to_millihenry", "980", kMicrohenry, kMillihenry, "0.98"},
        ConversionCase{"millihenry_to_microhenry", "0.98", kMillihenry, kMicrohenry, "980"},
        ConversionCase{"kilohertz_to_hertz", "100", kKilohertz, kHertz, "100000"},
        ConversionCase{"picofarad_to_nanofarad", "820", kPicofarad, kNanofarad, "0.82"},
        ConversionCase{"no_conversion_between_dimensions", "980", kMicrohenry, kMicrofarad, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
