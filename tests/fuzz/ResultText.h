#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zentrova::fuzz {

// What a result text shows: the sign, the significant digits d1..dn (no
// trailing zero) and P, the magnitude being 0.d1...dn x 10^P. Zero has no
// digits.
struct ResultTextParts {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// Reads a text in the one form FormatResult may write for its digits:
//   fixed      "ddd" / "ddd.ddd"       when 1 <= P <= 15
//   fraction   "0.000ddd"              when P <= 0 and n - P <= 15
//   exponent   "d.dddE+XX" / "dE-XX"   otherwise, at least two exponent digits
// with a leading "-" for negatives, and "0" for zero. Gives nothing, with
// the reason in `why`, for any other text.
class ResultTextReader {
public:
    static std::optional<ResultTextParts> Read(std::string_view text, std::string& why)
    {
        ResultTextReader reader;
        if (reader.ReadAll(text))
            return reader.parts_;
        why = reader.why_ + " in «" + std::string(text) + "»";
        return std::nullopt;
    }

private:
    static constexpr int kMaxDigits = 15;

    static bool IsDigits(std::string_view s)
    {
        for (char c : s) {
            if (c < '0' || c > '9')
                return false;
        }
        return true;
    }

    bool Fail(const char* why)
    {
        why_ = why;
        return false;
    }

    bool ReadAll(std::string_view text)
    {
        if (text == "0")
            return true;
        if (!text.empty() && text[0] == '-') {
            parts_.negative = true;
            text.remove_prefix(1);
        }
        const std::size_t e = text.find('E');
        bool read = false;
        if (e != std::string_view::npos)
            read = ReadExponentForm(text.substr(0, e), text.substr(e + 1));
        else if (text.starts_with("0."))
            read = ReadFractionForm(text.substr(2));
        else
            read = ReadFixedForm(text);
        if (!read)
            return false;
        const auto n = static_cast<int>(parts_.digits.size());
        if (n == 0 || n > kMaxDigits)
            return Fail("not 1 to 15 significant digits");
        if (parts_.digits.front() == '0' || parts_.digits.back() == '0')
            return Fail("a leading or trailing zero among the significant digits");
        return true;
    }

    bool ReadFixedForm(std::string_view s)
    {
        const std::size_t dot = s.find('.');
        const std::string_view whole = s.substr(0, dot);
        if (whole.empty() || !IsDigits(whole) || whole[0] == '0')
            return Fail("fixed form without a whole part starting 1-9");
        parts_.point = static_cast<int>(whole.size());
        parts_.digits = whole;
        if (dot == std::string_view::npos) {
            while (parts_.digits.back() == '0')
                parts_.digits.pop_back();
        } else {
            const std::string_view fraction = s.substr(dot + 1);
            if (fraction.empty() || !IsDigits(fraction))
                return Fail("fixed form with an empty or non-digit fraction");
            parts_.digits += fraction;
        }
        if (parts_.point > kMaxDigits)
            return Fail("fixed form for more than 15 places before the point");
        return true;
    }

    bool ReadFractionForm(std::string_view s)
    {
        const std::size_t zeros = s.find_first_not_of('0');
        if (zeros == std::string_view::npos || !IsDigits(s))
            return Fail("fraction form without digits after its zeros");
        parts_.point = -static_cast<int>(zeros);
        parts_.digits = s.substr(zeros);
        if (static_cast<int>(parts_.digits.size()) - parts_.point > kMaxDigits)
            return Fail("fraction form for more than 15 places after the point");
        return true;
    }

    bool ReadExponentForm(std::string_view mantissa, std::string_view exponent)
    {
        if (mantissa.empty() || !IsDigits(mantissa.substr(0, 1)))
            return Fail("exponent form without a leading digit");
        parts_.digits = mantissa.substr(0, 1);
        if (mantissa.size() > 1) {
            if (mantissa[1] != '.' || mantissa.size() == 2 || !IsDigits(mantissa.substr(2)))
                return Fail("exponent form with a malformed mantissa");
            parts_.digits += mantissa.substr(2);
        }
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-') || !IsDigits(exponent.substr(1)))
            return Fail("exponent without a sign and two digits");
        if (exponent.size() > 3 && exponent[1] == '0')
            return Fail("exponent padded beyond two digits");
        int shown = 0;
        std::from_chars(exponent.data() + 1, exponent.data() + exponent.size(), shown);
        parts_.point = (exponent[0] == '-' ? -shown : shown) + 1;
        const auto n = static_cast<int>(parts_.digits.size());
        const int p = parts_.point;
        if ((p >= 1 && p <= kMaxDigits) || (p <= 0 && n - p <= kMaxDigits))
            return Fail("exponent form where fixed notation fits");
        return true;
    }

    ResultTextParts parts_;
    std::string why_;
};

}  // namespace zentrova::fuzz
