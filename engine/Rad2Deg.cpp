#include "Rad2Deg.h"

#include "Numbers.h"
#include "StrProc.h"

#include <cmath>

namespace orvanel {
namespace {

// Callers keep |r| within one turn, so degrees stay within 0..360 and fit an int.
int WholePart(double nonNegative) {
    return static_cast<int>(std::floor(nonNegative));
}

double DegreesOf(double magnitude) {
    return magnitude / TwoPi * 360;
}

} // namespace

std::string Rad2DegMin(double r) {
    if (std::fabs(r) < 0.000001) {
        r = 0;
    }
    const bool negative = r < 0;
    const double deg = DegreesOf(std::fabs(r));
    // The offset lets 57.9999999° count as 58 whole degrees rather than 57°60'.
    int d = WholePart(deg + 0.00001);
    int m = static_cast<int>(RoundWhole((deg - d) * 60));
    if (m == 60) {
        if (d == 359) {
            m = 59;
        } else {
            m = 0;
            ++d;
        }
    }
    return (negative ? "-" : "") + IntToStr(d) + "°" + IntToStr(m) + "'";
}

std::string Rad2DegMinSec(double r) {
    const bool negative = r < 0;
    const double deg = DegreesOf(std::fabs(r));
    int d = WholePart(deg);
    const double x = (deg - d) * 60;
    int m = WholePart(x);
    int s = static_cast<int>(RoundWhole((x - m) * 60));
    if (s == 60) {
        s = 0;
        ++m;
        if (m == 60) {
            m = 0;
            ++d;
        }
    }
    if (m == 60) {
        m = 0;
        ++d;
    }
    return (negative ? "-" : "") + IntToStr(d) + "°" + IntToStr(m) + "'" + IntToStr(s) + "\"";
}

} // namespace orvanel
