#include "Rad2Deg.h"

#include "Numbers.h"
#include "StrProc.h"

#include <cmath>

namespace orvanel {
namespace {

// Lets 57.9999999° count as 58 whole degrees rather than 57°60'.
constexpr double kWholeDegreeOffset = 0.00001;

// Callers keep degree values within 0..360, so whole parts fit an int.
int WholePart(double nonNegative) {
    return static_cast<int>(std::floor(nonNegative));
}

} // namespace

bool ShowsMinus(double r) {
    return r <= -0.000001;
}

std::string DegreeText(std::string_view sign, std::string_view d, std::string_view m,
                       std::string_view s) {
    // Built in one piece: the command line converts millions of these.
    std::string text;
    text.reserve(sign.size() + d.size() + m.size() + s.size() + 6);
    text += sign;
    text += d;
    text += "°";
    text += m;
    text += "'";
    if (!s.empty()) {
        text += s;
        text += "\"";
    }
    return text;
}

double DegreesOf(double radians) {
    return radians / TwoPi * 360;
}

Dms SplitDegrees(double deg, bool toMinutes, double offset) {
    Dms dms;
    dms.d = WholePart(deg + offset);
    const double minutes = (deg - dms.d) * 60;
    if (toMinutes) {
        dms.m = static_cast<int>(RoundWhole(minutes));
    } else {
        dms.m = WholePart(minutes);
        dms.s = static_cast<int>(RoundWhole((minutes - dms.m) * 60));
    }
    if (dms.s == 60) {
        dms.s = 0;
        ++dms.m;
    }
    if (dms.m == 60) {
        dms.m = 0;
        ++dms.d;
    }
    return dms;
}

DegreesAndMinutes SplitDecimalMinutes(double deg, int decimals) {
    DegreesAndMinutes split{WholePart(deg + kWholeDegreeOffset), 0};
    split.minutes = (deg - split.d) * 60;
    // The offset can count a degree too many; minutes that would show below zero are then
    // measured from the degree before.
    if (RoundHalfEven(split.minutes, decimals) < 0) {
        --split.d;
        split.minutes = (deg - split.d) * 60;
    }
    // Minutes that would read 60 once rounded for display belong to the next degree.
    if (RoundHalfEven(split.minutes, decimals) >= 60) {
        ++split.d;
        split.minutes = 0;
    }
    return split;
}

std::string Rad2DegMin(double r) {
    const double deg = DegreesOf(std::fabs(r));
    Dms dms = SplitDegrees(deg, true, kWholeDegreeOffset);
    // Only a value within the offset of a full turn reads 360°0'; rounding up does not get there.
    if (dms.d == 360 && deg + kWholeDegreeOffset < 360) {
        dms = {359, 59, 0};
    }
    return DegreeText(ShowsMinus(r) ? "-" : "", IntToStr(dms.d), IntToStr(dms.m));
}

std::string Rad2DegMinSec(double r) {
    const Dms dms = SplitDegrees(DegreesOf(std::fabs(r)), false);
    return DegreeText(r < 0 ? "-" : "", IntToStr(dms.d), IntToStr(dms.m), IntToStr(dms.s));
}

} // namespace orvanel
