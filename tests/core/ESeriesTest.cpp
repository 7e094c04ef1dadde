#include "calc/ESeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace zentrova {
namespace {

// IEC 60063's tables as published, one decade per series, from
// tests/data/e-series.txt.
std::map<std::string, std::vector<std::string>> PublishedSeries()
{
    std::ifstream file(ZENTROVA_TEST_DATA_DIR "/e-series.txt");
    std::map<std::string, std::vector<std::string>> series;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string name;
        words >> name;
        name.pop_back();  // the colon
        for (std::string value; words >> value;)
            series[name].push_back(value);
    }
    return series;
}

// "9.53" as the table writes it, and the digits of the series' own table.
std::string Written(int digits, int digitCount)
{
    std::string text = std::to_string(digits);
    return text.substr(0, 1) + "." + text.substr(1, static_cast<std::size_t>(digitCount - 1));
}

TEST(ESeries, TablesAreThePublishedOnes)
{
    const auto published = PublishedSeries();
    ASSERT_FALSE(published.empty()) << "tests/data/e-series.txt not found";
    for (const ESeries* series : {&E6(), &E12(), &E24(), &E96()}) {
        std::vector<std::string> ours;
        for (const int digits : series->digits)
            ours.push_back(Written(digits, series->digitCount));
        EXPECT_EQ(ours, published.at(std::string(series->name))) << series->name;
    }
}

struct ChoiceCase {
    const char* name;
    const ESeries& (*series)();
    double value;
    double lower;
    double higher;
    double nearest;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class StandardValuesTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(StandardValuesTest, LowerHigherAndNearestByRatio)
{
    const ChoiceCase& c = GetParam();
    const std::optional<StandardValues> values = ChooseStandardValues(c.series(), c.value);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->lower, c.lower);
    EXPECT_EQ(values->higher, c.higher);
    EXPECT_EQ(values->nearest, c.nearest);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StandardValuesTest,
    ::testing::Values(
        // 9.6/9.53 = 1.0073 against 9.76/9.6 = 1.0167.
        ChoiceCase{"between_e96_values", &E96, 9.6, 9.53, 9.76, 9.53},
        // Across the decade: 10/9.9 = 1.0101 beats 9.9/9.76 = 1.0143.
        ChoiceCase{"rounds_up_into_the_next_decade", &E96, 9.9, 9.76, 10, 10},
        ChoiceCase{"kiloohms", &E96, 606.666666666667, 604, 619, 604},
        // 3.0 is an E24 value although the rounded progression gives 3.2.
        ChoiceCase{"e24_irregular_value", &E24, 2.95, 2.7, 3.0, 3.0},
        ChoiceCase{"exact_value", &E12, 4.7, 4.7, 4.7, 4.7},
        ChoiceCase{"small_decade", &E12, 0.0476, 0.047, 0.056, 0.047},
        // By ratio, not by difference: 180.35/150 = 1.202 < 220/180.35 = 1.220.
        ChoiceCase{"geometric_midpoint", &E6, 180.35, 150, 220, 150},
        ChoiceCase{"below_one", &E96, 0.245, 0.243, 0.249, 0.243}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ESeries, NoStandardValueForZeroNegativeOrNonFinite)
{
    // Also none where a neighbouring value of the series is no double: a
    // subnormal result, or one at the top of the range.
    for (const double value : {0.0, -4.7, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::max()})
        EXPECT_FALSE(ChooseStandardValues(E12(), value).has_value()) << value;
}

TEST(ESeries, SeriesForEachKindOfPart)
{
    ASSERT_EQ(SeriesFor(PartKind::Resistor).size(), 2u);
    EXPECT_EQ(SeriesFor(PartKind::Resistor)[0]->name, "E96");
    EXPECT_EQ(SeriesFor(PartKind::Resistor)[1]->name, "E24");
    EXPECT_EQ(SeriesFor(PartKind::Capacitor)[0]->name, "E12");
    EXPECT_EQ(SeriesFor(PartKind::Inductor)[1]->name, "E6");
    EXPECT_TRUE(SeriesFor(PartKind::None).empty());
    EXPECT_DOUBLE_EQ(DeviationPercent(98, 100), -2);
}

}  // namespace
}  // namespace zentrova
