#pragma once
// Exact decimal digits of a double, rounded half to even: what every fixed-point and short
// number text of the calculator is made of. The engine formats numbers with nothing else, so
// the digits are the same wherever it runs, the browser included.

#include <optional>
#include <string>

namespace orvanel {

// |x| as significant digits and the place of the decimal point: |x| = 0.digits * 10^exponent.
// "25", 1 is 2.5; "5", -1 is 0.05. Zero has no digits.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The exact value of |x|, every digit of it (a double is a finite binary fraction). x finite.
Decimal ExactDecimal(double x);

// `d` rounded half to even to its first `keep` digits; the digits after them are dropped.
Decimal RoundedDecimal(Decimal d, int keep);

// |x| * 10^decimals rounded to a whole number, halves to even, decided on the exact product
// (a fused multiply-add gives it as hi + lo). Nothing where that is not exact: a product from
// 2^52 up, a scale beyond 10^18, or an x too small to scale. Much faster than ExactDecimal.
std::optional<double> ScaledWhole(double x, int decimals);

// 10^n for n from 0 to 18, each exact in a double.
double PowerOfTen(int n);

// |x| as fixed-point text with `decimals` digits after the point, rounded half to even on the
// exact value: "0.05", "360.0000", "3".
std::string FixedText(double x, int decimals);

// The first fifteen significant digits of |x| (x finite and not zero), rounded half to even,
// trailing zeros kept, and the decimal exponent of the first of them: 1234.5 gives
// "123450000000000", 3.
std::pair<std::string, int> FifteenDigits(double x);

} // namespace orvanel
