#include "cli/CalcCli.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

struct PowerTextCase {
    const char* name;
    std::string power;  // 100 W, as typed or pasted
};

void PrintTo(const PowerTextCase& c, std::ostream* os) { *os << c.name; }

class CalcCliPastedInputTest : public ::testing::TestWithParam<PowerTextCase> {};

// The README's worked example, 100 W at 265 V: the output power written the
// ways an input method or a paste brings it computes the same inductance.
TEST_P(CalcCliPastedInputTest, ComputesAsThePlainText)
{
    std::string out;
    std::string err;
    EXPECT_EQ(RunCalcCli({"gl", "Text1=" + GetParam().power, "Text11=265"}, out, err), kExitOk) << err;
    EXPECT_NE(out.find("\nText9=457.313655893892\n"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CalcCliPastedInputTest,
    ::testing::Values(PowerTextCase{"plain", "100"}, PowerTextCase{"fullwidth_exponent", "１．０Ｅ２"},
                      PowerTextCase{"fullwidth_lower_exponent_d", "０．１ｄ３"}, PowerTextCase{"fullwidth_hex", "＆Ｈ６４"},
                      PowerTextCase{"fullwidth_octal", "＆ｏ１４４"}, PowerTextCase{"ideographic_full_stop", "1。0e2"},
                      PowerTextCase{"no_break_space", "1\xC2\xA0" "00"},
                      PowerTextCase{"en_space", "1\xE2\x80\x82" "00"}, PowerTextCase{"em_space", "1\xE2\x80\x83" "00"},
                      PowerTextCase{"three_per_em_space", "1\xE2\x80\x84" "00"},
                      PowerTextCase{"four_per_em_space", "1\xE2\x80\x85" "00"},
                      PowerTextCase{"six_per_em_space", "1\xE2\x80\x86" "00"},
                      PowerTextCase{"figure_space", "1\xE2\x80\x87" "00"},
                      PowerTextCase{"punctuation_space", "1\xE2\x80\x88" "00"},
                      PowerTextCase{"thin_space", "1\xE2\x80\x89" "00"}, PowerTextCase{"hair_space", "1\xE2\x80\x8A" "00"},
                      PowerTextCase{"zero_width_space", "1\xE2\x80\x8B" "00"},
                      PowerTextCase{"narrow_no_break_space", "1\xE2\x80\xAF" "00"},
                      PowerTextCase{"ideographic_space", "1\xE3\x80\x80" "00"},
                      PowerTextCase{"byte_order_mark", "\xEF\xBB\xBF" "100"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentrova
