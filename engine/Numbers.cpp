#include "Numbers.h"

#include "Decimal.h"
#include "StrProc.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace orvanel {
namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional minus, then digits with at most one point and at least one digit; short enough
// that no double can overflow.
bool IsPlainDecimal(std::string_view text) {
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    std::size_t points = 0;
    for (std::size_t i = sign; i < text.size(); ++i) {
        digits += IsDigit(text[i]) ? 1 : 0;
        points += text[i] == '.' ? 1 : 0;
    }
    return digits > 0 && points <= 1 && sign + digits + points == text.size() && text.size() <= 24;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return !IsIgnoredBlank(c); });
    return out;
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "&H1F" and "&O17": whole numbers in base 16 or 8, read up to the first unfitting digit.
double ReadRadixNumber(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// The most decimals FormatFixed and RoundHalfEven work with: beyond 60 every double's rounding
// is settled.
constexpr int kMostFixedDecimals = 60;

// Reads a text made only of digits, at most one point and an exponent, as the nearest double
// (infinity beyond the largest): the library reads exactly as std::from_chars would, on every
// platform the engine is built for.
double ReadDecimalText(std::string_view text) {
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Saturates long exponents: past a few thousand every double has over- or underflowed anyway.
constexpr long kExponentCap = 100000;

struct Mantissa {
    std::string digits; // digits and at most one '.', as typed
    bool anyDigit = false;
};

Mantissa ReadMantissa(std::string_view s, std::size_t& pos) {
    Mantissa m;
    bool seenPoint = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            m.anyDigit = true;
        } else {
            break;
        }
        m.digits.push_back(c);
    }
    return m;
}

long ReadExponent(std::string_view s, std::size_t pos) {
    if (pos >= s.size() || std::string_view("eEdD").find(s[pos]) == std::string_view::npos) {
        return 0;
    }
    ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    long exponent = 0;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        exponent = std::min(exponent * 10 + (s[pos] - '0'), kExponentCap);
    }
    return negative ? -exponent : exponent;
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    // Most texts are short plain decimals; the library reads those exactly as the full rule.
    if (IsPlainDecimal(text)) {
        return ReadDecimalText(text);
    }
    const std::string s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        return ReadRadixNumber(std::string_view(s).substr(2), 16);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        return ReadRadixNumber(std::string_view(s).substr(2), 8);
    }
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const Mantissa mantissa = ReadMantissa(s, pos);
    if (!mantissa.anyDigit) {
        return 0.0;
    }
    const long exponent = ReadExponent(s, pos);

    // The text read is built here from digits, one point and an exponent, so it can never be
    // "inf", "nan" or a hexadecimal float.
    const double value = ReadDecimalText(mantissa.digits + "e" + std::to_string(exponent));
    return negative ? -value : value;
}

bool IsWrittenNumber(std::string_view text) {
    std::size_t at = 0;
    const auto skipSign = [&] { at += at < text.size() && (text[at] == '+' || text[at] == '-'); };
    const auto skipDigits = [&] {
        const std::size_t start = at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        return at - start;
    };
    skipSign();
    std::size_t digits = skipDigits();
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        digits += skipDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        skipSign();
        if (skipDigits() == 0) {
            return false;
        }
    }
    return at == text.size();
}

namespace {

// Significant digits (no trailing zeros) placed by their exponent: exponent form below 10^-4
// and from 10^15, no digit before the point below 1.
std::string WithExponentRule(bool negative, std::string_view digits, int exponent) {
    std::string text;
    text.reserve(digits.size() + 8);
    if (negative) {
        text += '-';
    }
    if (exponent < -4 || exponent >= 15) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        text += digits.substr(0, integerDigits);
        if (digits.size() > integerDigits) {
            text += '.';
            text += digits.substr(integerDigits);
        } else {
            text.append(integerDigits - digits.size(), '0');
        }
    }
    return text;
}

} // namespace

std::string GeneralNumberText(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return "0";
    }
    // Whole numbers below 10^15 are their own digits (typed degrees, minutes and seconds are).
    if (std::fabs(x) < 1e15 && static_cast<double>(static_cast<long long>(x)) == x) {
        std::array<char, 24> whole;
        return {whole.data(),
                std::to_chars(whole.data(), whole.data() + whole.size(), static_cast<long long>(x))
                    .ptr};
    }
    // Fifteen significant digits, correctly rounded, without trailing zeros.
    auto [digits, exponent] = FifteenDigits(x);
    digits.erase(digits.find_last_not_of('0') + 1);
    return WithExponentRule(x < 0, digits, exponent);
}

int ResolveDecimals(int decimals, const NumberFormat& format) {
    return decimals < 0 ? std::max(format.defaultDecimals, 0) : decimals;
}

std::string FormatFixed(double x, int decimals, const NumberFormat& format) {
    if (!std::isfinite(x)) {
        x = 0.0;
    }
    const int n = std::min(ResolveDecimals(decimals, format), kMostFixedDecimals);
    const std::string digits = FixedText(x, n);
    const std::string_view buffer(digits);
    const auto point = buffer.find('.');
    std::string integerPart(buffer.substr(0, point));
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : buffer.substr(point + 1);
    const bool roundsToZero = buffer.find_first_not_of("0.") == std::string_view::npos;

    if (format.groupSize > 0 && !format.groupSeparator.empty()) {
        for (auto at = static_cast<long>(integerPart.size()) - format.groupSize; at > 0;
             at -= format.groupSize) {
            integerPart.insert(static_cast<std::size_t>(at), format.groupSeparator);
        }
    }
    if (integerPart == "0" && !format.leadingZero && n > 0) {
        integerPart.clear();
    }
    std::string text = std::signbit(x) && !roundsToZero ? format.negativeSign : "";
    text += integerPart;
    if (n > 0) {
        text += format.decimalSeparator;
        text += fraction;
    }
    return text;
}

double RoundHalfEven(double x, int decimals) {
    if (!std::isfinite(x)) {
        return x;
    }
    if (decimals <= 0) {
        return RoundWhole(x);
    }
    // The scaled whole number divided back by the exact 10^d is the double nearest to the
    // rounded decimal; where that is not exact, the rounded decimal's text read back is.
    if (const auto whole = ScaledWhole(x, decimals)) {
        return std::copysign(*whole / PowerOfTen(decimals), x);
    }
    return std::copysign(ReadDecimalText(FixedText(x, std::min(decimals, kMostFixedDecimals))), x);
}

double RoundWhole(double x) {
    constexpr double kTwo52 = 4503599627370496.0; // from 2^52 up every double is whole
    // Adding and taking away 2^52 leaves the nearest whole number, halves to even, in the
    // default rounding mode, without a library call.
    if (!(std::fabs(x) < kTwo52)) {
        return x;
    }
    return std::copysign(std::fabs(x) + kTwo52 - kTwo52, x);
}

std::string AddLeadingZero(std::string text) {
    if (!text.empty() && text.front() == '.') {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string ApplySeparator(std::string text, bool commaMode) {
    const char from = commaMode ? '.' : ',';
    if (text.find(from) == std::string::npos) {
        return text;
    }
    std::replace(text.begin(), text.end(), from, commaMode ? ',' : '.');
    return text;
}

} // namespace orvanel
