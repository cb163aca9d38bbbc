#include "AngleEntry.h"

#include "Decimal.h"
#include "Numbers.h"

namespace orvanel {

bool HasComma(std::string_view text) {
    return text.find(',') != std::string_view::npos;
}

double ReadFieldNumber(std::string_view text, bool commaMode) {
    return commaMode ? ReadLeadingNumber(ApplySeparator(std::string(text), false))
                     : ReadLeadingNumber(text);
}

double ParseAngleField(std::string_view text, bool& bad, bool& usedComma) {
    usedComma = HasComma(text);
    if (!ScanNumber(text).valid) {
        bad = true;
        return -1;
    }
    return ReadFieldNumber(text, usedComma);
}

void ClearInput(EntryFields& fields) {
    fields = EntryFields{};
}

} // namespace orvanel
