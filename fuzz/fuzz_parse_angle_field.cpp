// ParseAngleField: bad exactly when a character is not a digit or the separator, or the
// separator comes twice; otherwise a non-negative number.
#include "AngleEntry.h"
#include "FuzzSupport.h"

#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string text = FieldText(data, 12);
    bool bad = false;
    bool comma = false;
    const double value = ParseAngleField(text, bad, comma);
    Check(comma == (text.find(',') != std::string::npos), "comma mode", text);
    const char separator = comma ? ',' : '.';
    bool expectBad = false;
    int separators = 0;
    for (char c : text) {
        separators += c == separator;
        expectBad = expectBad || !((c >= '0' && c <= '9') || c == separator);
    }
    expectBad = expectBad || separators > 1;
    Check(bad == expectBad, "bad input decided by characters", text);
    Check(bad ? value == -1 : value >= 0 && !std::isnan(value), "value", text);
    bool stillBad = true;
    ParseAngleField("12", stillBad, comma);
    Check(stillBad, "good text leaves the flag");
    return 0;
}
