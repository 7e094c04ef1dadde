#include "calc/FieldTexts.h"
#include "calc/Layout.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace zentrova {
namespace {

std::set<std::string> ControlsOf(const WindowDescription& w)
{
    std::set<std::string> controls;
    for (const FieldDescription& f : w.fields) {
        controls.emplace(f.control);
        controls.emplace(f.labelControl);
    }
    controls.emplace(w.computeButton);
    controls.emplace(w.returnButton);
    return controls;
}

class EveryWindowTest : public ::testing::TestWithParam<const WindowDescription*> {};

TEST_P(EveryWindowTest, NamesAreUnique)
{
    const WindowDescription& w = *GetParam();
    std::vector<std::string> names;
    for (const FieldDescription& f : w.fields) {
        names.emplace_back(f.control);
        names.emplace_back(f.labelControl);
        if (f.role == FieldRole::Output) {
            EXPECT_TRUE(f.initialText.empty()) << f.control;
        }
    }
    names.emplace_back(w.computeButton);
    names.emplace_back(w.returnButton);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

TEST_P(EveryWindowTest, StepsReadEarlierResultsAndWriteEachOutputOnce)
{
    const WindowDescription& w = *GetParam();
    std::set<std::string> written;
    for (const ComputeStep& step : w.steps) {
        const FieldDescription* target = w.FindField(step.target);
        ASSERT_NE(target, nullptr) << w.name << " writes unknown field " << step.target;
        EXPECT_EQ(w.FieldIndex(step.target), step.targetIndex) << step.target;
        EXPECT_EQ(target->role, FieldRole::Output) << step.target;
        for (const FormulaNode& node : step.formula.nodes()) {
            if (node.operation != Operation::Field)
                continue;
            EXPECT_EQ(w.fields[static_cast<std::size_t>(node.field)].control, node.name) << w.name;
            // A step reads an output only once an earlier step has written it.
            if (w.fields[static_cast<std::size_t>(node.field)].role == FieldRole::Output) {
                EXPECT_TRUE(written.count(std::string(node.name)))
                    << w.name << " " << step.target << " reads " << node.name << " before it is written";
            }
        }
        EXPECT_TRUE(written.emplace(step.target).second) << step.target << " written twice";
    }
    for (const FieldDescription& f : w.fields) {
        if (f.role == FieldRole::Output) {
            EXPECT_TRUE(written.count(std::string(f.control))) << f.control << " is never written";
        }
        EXPECT_FALSE(f.symbol.empty()) << w.name << " " << f.control << " has no symbol";
        EXPECT_FALSE(f.meaning.empty()) << w.name << " " << f.control << " has no meaning";
    }
}

TEST_P(EveryWindowTest, TabOrderCoversEveryFieldAndButtonOnce)
{
    const WindowDescription& w = *GetParam();
    std::vector<std::string> expected;
    for (const FieldDescription& f : w.fields)
        expected.emplace_back(f.control);
    expected.emplace_back(w.computeButton);
    expected.emplace_back(w.returnButton);
    std::vector<std::string> tabOrder(w.tabOrder.begin(), w.tabOrder.end());
    std::sort(expected.begin(), expected.end());
    std::sort(tabOrder.begin(), tabOrder.end());
    EXPECT_EQ(tabOrder, expected);
}

TEST_P(EveryWindowTest, LayoutPlacesEveryControlOnceInsideTheClientArea)
{
    const WindowDescription& w = *GetParam();
    for (const Row& row : w.rows) {
        int units = 0;
        for (const Cell& cell : row.cells) {
            units += cell.labelUnits + cell.units;
            if (!w.FindField(cell.control)) {
                EXPECT_EQ(cell.labelUnits, 0) << w.name << ": a button has no label, " << cell.control;
            }
        }
        EXPECT_EQ(units, kGridUnits) << w.name << " row starting " << row.cells[0].control;
    }
    const std::vector<ControlPlace> places = LayOutWindow(w);
    std::multiset<std::string> placed;
    for (const ControlPlace& p : places) {
        placed.emplace(p.control);
        EXPECT_GE(p.left, 0) << p.control;
        EXPECT_GE(p.top, 0) << p.control;
        EXPECT_LE(p.left + p.width, w.clientWidthTwips) << p.control;
        EXPECT_LE(p.top + p.height, w.clientHeightTwips) << p.control;
        EXPECT_GT(p.width, 0) << p.control;
    }
    const std::set<std::string> controls = ControlsOf(w);
    EXPECT_EQ(std::set<std::string>(placed.begin(), placed.end()), controls);
    EXPECT_EQ(placed.size(), controls.size()) << "a control is placed twice";
}

INSTANTIATE_TEST_SUITE_P(Catalog, EveryWindowTest, ::testing::ValuesIn(CalculationWindows().begin(),
                                                                       CalculationWindows().end()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(Catalog, WindowNamesAreUnique)
{
    std::set<std::string_view> names;
    for (const WindowDescription* w : CalculationWindows())
        EXPECT_TRUE(names.insert(w->name).second) << w->name;
}

}  // namespace
}  // namespace zentrova
