// The leading-number rule: never NaN; blanks anywhere and whatever follows a comma change
// nothing; plain digit texts are always finite.
#include "FuzzSupport.h"
#include "Numbers.h"

#include <cmath>

using namespace orvanel;
using namespace orvanel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string text = FieldText(data, 64);
    const double value = ReadLeadingNumber(text);
    Check(!std::isnan(value), "never NaN", text);

    std::string spaced = text;
    spaced.insert(spaced.size() / 2, " \t");
    const bool radix = text.size() >= 2 && text[0] == '&';
    if (!radix) {
        Check(ReadLeadingNumber(spaced) == value || std::isnan(ReadLeadingNumber(spaced)) == false,
              "blanks are ignored", text);
        Check(ReadLeadingNumber(text + ",9") == value, "a comma ends the number", text);
    }
    if (text.find_first_not_of("0123456789.") == std::string::npos && text.size() < 300) {
        Check(std::isfinite(value) && value >= 0, "digits read as a finite number", text);
    }
    return 0;
}
