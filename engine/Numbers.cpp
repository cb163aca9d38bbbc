#include "Numbers.h"

#include "StrProc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

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

// Fixed-point text of any double with at most kMostDecimals decimals fits kFixedTextSize: a
// sign, 309 integer digits, a point and the decimals. Beyond 60 decimals every double's
// rounding is settled.
constexpr int kMostDecimals = 60;
constexpr std::size_t kFixedTextSize = 1 + 309 + 1 + kMostDecimals;

// From 2^52 up every double is a whole number; below it, whole numbers and halves are exact.
constexpr double kTwo52 = 4503599627370496.0;

constexpr std::array<double, 19> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18}; // all exact in a double

// |x| * 10^decimals rounded to a whole number, halves to even, decided on the exact product:
// x * 10^d as an exact pair hi + lo (fused multiply-add), rounded on that pair. Nothing when the
// product is not below 2^52, where that is no longer exact, or x is too small to scale.
std::optional<double> ScaledWhole(double x, int decimals) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size()) ||
        std::fabs(x) < 1e-280) {
        return std::nullopt;
    }
    const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double hi = std::fabs(x) * scale;
    if (!(hi < kTwo52)) {
        return std::nullopt;
    }
    const double lo = std::fma(std::fabs(x), scale, -hi);
    double whole = RoundWhole(hi);
    // hi - whole is exact; only a hi exactly halfway can be tipped either way by lo.
    if (hi - whole == 0.5 && lo > 0) {
        whole += 1;
    } else if (hi - whole == -0.5 && lo < 0) {
        whole -= 1;
    }
    return whole;
}

// The digits of a whole number below 2^52 with a point `decimals` places from the right:
// ScaledWhole's result written back as a fixed-point magnitude, "0.05" for 5 at two decimals.
std::string FixedDigits(double whole, int decimals) {
    std::array<char, 24> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                    static_cast<std::uint64_t>(whole))
                          .ptr;
    const std::string_view all(digits.data(), static_cast<std::size_t>(end - digits.data()));
    const auto n = static_cast<std::size_t>(decimals);
    std::string text;
    text.reserve(std::max(all.size(), n + 1) + 1);
    if (all.size() <= n) {
        text += '0';
        text += '.';
        text.append(n - all.size(), '0');
        text += all;
    } else {
        text += all.substr(0, all.size() - n);
        if (n > 0) {
            text += '.';
            text += all.substr(all.size() - n);
        }
    }
    return text;
}

// RoundHalfEven without text, where it can be done exactly: the scaled whole number divided
// back by the exact 10^d gives the double nearest to the rounded decimal.
std::optional<double> RoundHalfEvenExactly(double x, int decimals) {
    const auto whole = ScaledWhole(x, decimals);
    if (!whole) {
        return std::nullopt;
    }
    return std::copysign(*whole / kPowersOfTen[static_cast<std::size_t>(decimals)], x);
}

// Saturates long exponents: past a few thousand every double has over- or underflowed anyway.
constexpr long kExponentCap = 100000;

struct Mantissa {
    std::string digits; // digits and at most one '.', as typed
    long order = 0;     // decimal exponent of the leading non-zero digit, plus one
    bool anyDigit = false;
};

Mantissa ReadMantissa(std::string_view s, std::size_t& pos) {
    Mantissa m;
    bool seenPoint = false;
    bool seenNonZero = false;
    long integerDigits = 0;
    long leadingFractionZeros = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            m.anyDigit = true;
            if (!seenPoint && (seenNonZero || c != '0')) {
                ++integerDigits;
            }
            if (seenPoint && !seenNonZero && c == '0') {
                ++leadingFractionZeros;
            }
            seenNonZero = seenNonZero || c != '0';
        } else {
            break;
        }
        m.digits.push_back(c);
    }
    m.order = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
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
    if (double value = 0; IsPlainDecimal(text)) {
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
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

    // The text handed to from_chars is built here from digits, one point and an exponent, so it
    // can never be "inf", "nan" or a hexadecimal float.
    const std::string normalised = mantissa.digits + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto result =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = mantissa.order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
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

// The significant digits of x, and the decimal exponent of the first one: fifteen, correctly
// rounded. For a normal double, the shortest text that reads back as x is that rounding
// whenever it has at most fifteen digits (the digit grid is then coarser than the double's),
// and faster to make.
std::pair<std::string, int> FifteenDigits(double x) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                std::chars_format::scientific);
    if (!std::isnormal(x) || std::string_view(buffer.data(), result.ptr).find('e') > 16) {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                               std::chars_format::scientific, 14);
    }
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto ePos = sci.find('e');
    std::string digits(sci.substr(0, 1));
    if (ePos > 1) { // the shortest form has no point after a single digit
        digits.append(sci.substr(2, ePos - 2));
    }
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    return {digits, exponent};
}

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
    const int n = std::min(ResolveDecimals(decimals, format), kMostDecimals);
    // The digits, exactly rounded: by whole-number arithmetic where the value allows (much
    // faster), else by the library, which rounds the exact binary value the same way.
    std::string fast;
    std::array<char, kFixedTextSize> digits;
    std::string_view buffer;
    if (const auto whole = ScaledWhole(x, n)) {
        fast = FixedDigits(*whole, n);
        buffer = fast;
    } else {
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(),
                                          std::fabs(x), std::chars_format::fixed, n);
        buffer =
            std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
    }

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
    if (const auto fast = RoundHalfEvenExactly(x, decimals)) {
        return *fast;
    }
    // to_chars rounds the exact binary value (ties to even); reading its text back gives the
    // double nearest to the rounded decimal.
    std::array<char, kFixedTextSize> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::fixed, std::min(decimals, kMostDecimals));
    double rounded = x;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

double RoundWhole(double x) {
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
