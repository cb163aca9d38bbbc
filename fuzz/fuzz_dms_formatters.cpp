// Rad2DegMin and Rad2DegMinSec over every double within one turn: the text is
// [-]d°m'[s"], minutes and seconds 0..59, degrees 0..360, and near a turn as documented.
#include "FuzzSupport.h"
#include "Numbers.h"
#include "Rad2Deg.h"

#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

void CheckDms(const std::string& text, bool withSeconds) {
    std::size_t at = text[0] == '-' ? 1 : 0;
    const auto degree = text.find("°", at);
    const auto minute = text.find('\'', degree);
    Check(degree != std::string::npos && minute != std::string::npos, "shape", text);
    const long d = std::stol(text.substr(at, degree - at));
    const long m = std::stol(text.substr(degree + 2, minute - degree - 2));
    Check(d >= 0 && d <= 360 && m >= 0 && m <= 59, "degrees and minutes in range", text);
    Check(d < 360 || m == 0, "nothing beyond a full turn", text);
    if (withSeconds) {
        const auto second = text.find('"', minute);
        Check(second == text.size() - 1, "seconds mark last", text);
        const long s = std::stol(text.substr(minute + 1, second - minute - 1));
        Check(s >= 0 && s <= 59 && (d < 360 || s == 0), "seconds in range", text);
    } else {
        Check(minute == text.size() - 1, "minutes mark last", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    double r = data.ConsumeFloatingPoint<double>();
    if (!std::isfinite(r)) {
        return 0;
    }
    r = std::fmod(r, TwoPi);
    CheckDms(Rad2DegMin(r), false);
    CheckDms(Rad2DegMinSec(r), true);
    Check(std::fabs(r) >= 0.000001 || Rad2DegMin(r)[0] != '-', "tiny values lose the sign");
    return 0;
}
