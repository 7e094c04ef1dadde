#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "cli/CalcCli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zentrova {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Texts that compute, fault (0, empty, negative under a root, beyond the
// double range) or are no number at all.
const std::vector<std::string> kTexts{"0", "1", "-1", "2.5", "0.001", "250", "1E+300", "", "abc", "4.7k",
                                      "0.000001", "1e-300", "１２", "-0", "3.3 ", "100000"};

struct Axis {
    std::string control;
    std::string argument;
    std::vector<std::string> points;  // the texts a single run assigns
};

// A list of texts, or a range of whole numbers whose texts are plain.
Axis RandomAxis(std::mt19937& random, const std::string& control)
{
    Axis axis{control, control + "=", {}};
    if (random() % 2 == 0) {
        const int start = static_cast<int>(random() % 600) - 100;
        const int step = static_cast<int>(random() % 7) + 1;
        const int count = static_cast<int>(random() % 4) + 1;
        axis.argument += std::to_string(start) + ":" + std::to_string(start + (count - 1) * step) + ":" +
                         std::to_string(step);
        for (int i = 0; i < count; ++i)
            axis.points.push_back(std::to_string(start + i * step));
    } else {
        const int count = static_cast<int>(random() % 4) + 1;
        for (int i = 0; i < count; ++i) {
            axis.points.push_back(kTexts[random() % kTexts.size()]);
            axis.argument += (i > 0 ? "," : "") + axis.points.back();
        }
    }
    return axis;
}

// Every point of a sweep gives the very line that one run of the window
// with the same assignments gives: fresh texts for every point, the
// sweep's texts after the command line's assignments.
TEST(SweepEquivalence, EveryPointIsTheSingleRunOfItsAssignments)
{
    std::mt19937 random(20261211);
    for (const WindowDescription* window : CalculationWindows()) {
        std::vector<std::string> inputs;
        for (const FieldDescription& field : window->fields) {
            if (field.role == FieldRole::Input)
                inputs.emplace_back(field.control);
        }
        for (int round = 0; round < 12; ++round) {
            std::shuffle(inputs.begin(), inputs.end(), random);
            const std::string assignment = inputs[0] + "=" + kTexts[random() % kTexts.size()];
            // The first axis sweeps the assigned field or another one.
            std::vector<Axis> axes{RandomAxis(random, inputs[random() % std::min<std::size_t>(2, inputs.size())])};
            if (inputs.size() > 2 && random() % 2 == 0)
                axes.push_back(RandomAxis(random, inputs[2]));

            std::vector<std::string> args{"--json", std::string(window->name), assignment};
            for (const Axis& axis : axes) {
                args.push_back("--sweep");
                args.push_back(axis.argument);
            }
            std::string out;
            std::string err;
            ASSERT_EQ(RunCalcCli(args, out, err), kExitOk) << err;
            const std::vector<std::string> lines = Lines(out);
            const std::size_t inner = axes.size() > 1 ? axes[1].points.size() : 1;
            ASSERT_EQ(lines.size(), axes[0].points.size() * inner) << out;

            for (std::size_t i = 0; i < lines.size(); ++i) {
                std::vector<std::string> single{"--json", std::string(window->name), assignment,
                                                axes[0].control + "=" + axes[0].points[i / inner]};
                if (axes.size() > 1)
                    single.push_back(axes[1].control + "=" + axes[1].points[i % inner]);
                std::string singleOut;
                std::string singleErr;
                RunCalcCli(single, singleOut, singleErr);
                EXPECT_EQ(lines[i] + "\n", singleOut) << window->name << " point " << i << " of " << args.back();
            }
        }
    }
}

}  // namespace
}  // namespace zentrova
