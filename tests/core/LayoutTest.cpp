// Where the measured widths of labels and fields move a window's columns.
#include "calc/Layout.h"
#include "calc/WindowDescription.h"
#include "loops/LoopWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zentrova {
namespace {

using Geometry = std::tuple<std::string, int, int>;  // control, left and width in pixels

std::vector<Geometry> Columns(const std::vector<ControlPlace>& places)
{
    std::vector<Geometry> columns;
    for (const ControlPlace& p : places)
        columns.emplace_back(std::string(p.control), p.left / kTwipsPerPixel, p.width / kTwipsPerPixel);
    return columns;
}

TextWidths Widths(int label, int field)
{
    return TextWidths{[label](std::string_view) { return label; }, field};
}

TEST(Layout, NeedsThatFitTheGridKeepIt)
{
    EXPECT_EQ(Columns(LayOutWindow(kVoltageLoopWindow, Widths(50, 60))), Columns(LayOutWindow(kVoltageLoopWindow)));
}

TEST(Layout, RowsWithoutRoomForTheirNeedsKeepTheGrid)
{
    EXPECT_EQ(Columns(LayOutWindow(kVoltageLoopWindow, Widths(120, 200))), Columns(LayOutWindow(kVoltageLoopWindow)));
}

TEST(Layout, NarrowColumnsWidenToTheirNeedAndShareTheRestByGridUnits)
{
    // dybch: 489 px, 8 px margins, 4 px between controls; cells of 6 + 4 and
    // 6 + 8 units. The inputs' 75 px are short of 120, so the four columns
    // take 100 + 120 + 100 + 120 of the 473 − 12 px and share the 21 left
    // over as 5, 3, 6 and 7 px (cumulative shares 21·6/24, 21·10/24, …).
    const std::vector<Geometry> columns = Columns(LayOutWindow(kVoltageLoopWindow, Widths(100, 120)));
    const std::vector<Geometry> firstRow(columns.begin(), columns.begin() + 4);
    EXPECT_EQ(firstRow, (std::vector<Geometry>{
                            {"Label1", 8, 105}, {"Text1", 117, 123}, {"Label6", 244, 106}, {"Text6", 354, 127}}));
    // Every row of the same cells stands in the same columns.
    EXPECT_EQ(columns[8], (Geometry{"Label3", 8, 105}));
    EXPECT_EQ(columns[9], (Geometry{"Text3", 117, 123}));
    // The button row keeps its own grid: each button centred under its share.
    EXPECT_EQ(columns[20], (Geometry{"Command1", 68, 75}));
    EXPECT_EQ(columns[21], (Geometry{"Command2", 306, 75}));
}

}  // namespace
}  // namespace zentrova
