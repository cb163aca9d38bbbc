#include "Numbers.h"

#include "StrProc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <system_error>

namespace orvanel {
namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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

std::string GeneralNumberText(double x) {
    if (x == 0.0 || !std::isfinite(x)) {
        return "0";
    }
    // Fifteen significant digits, correctly rounded: d.dddddddddddddde[+-]xx
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                      std::chars_format::scientific, 14);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto ePos = sci.find('e');
    std::string digits;
    digits.push_back(sci[0]);
    digits.append(sci.substr(2, ePos - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);

    std::string text = x < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += "." + digits.substr(1);
        }
        const std::string magnitude = std::to_string(std::abs(exponent));
        text += exponent < 0 ? "E-" : "E+";
        text += (magnitude.size() < 2 ? "0" : "") + magnitude;
    } else if (exponent < 0) {
        text += "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    return text;
}

int ResolveDecimals(int decimals, const NumberFormat& format) {
    return decimals < 0 ? std::max(format.defaultDecimals, 0) : decimals;
}

std::string FormatFixed(double x, int decimals, const NumberFormat& format) {
    if (!std::isfinite(x)) {
        x = 0.0;
    }
    const int n = std::min(ResolveDecimals(decimals, format), 60);
    std::string buffer(320 + static_cast<std::size_t>(n), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                      std::chars_format::fixed, n);
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));

    const auto point = buffer.find('.');
    std::string integerPart = buffer.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : buffer.substr(point + 1);
    const bool roundsToZero = buffer.find_first_not_of("0.") == std::string::npos;

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
        text += format.decimalSeparator + fraction;
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
    // to_chars rounds the exact binary value (ties to even); reading its text back gives the
    // double nearest to the rounded decimal.
    std::string buffer(340 + static_cast<std::size_t>(decimals), '\0');
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                       std::chars_format::fixed, decimals);
    double rounded = x;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

double RoundWhole(double x) {
    return std::nearbyint(x);
}

std::string AddLeadingZero(std::string_view text) {
    std::string out;
    if (!text.empty() && text.front() == '.') {
        out.reserve(text.size() + 1);
        out.push_back('0');
    }
    out.append(text);
    return out;
}

std::string ApplySeparator(std::string_view text, bool commaMode) {
    return commaMode ? ReplaceChar(text, '.', ',') : ReplaceChar(text, ',', '.');
}

} // namespace orvanel
