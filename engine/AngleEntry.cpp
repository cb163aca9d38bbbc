#include "AngleEntry.h"

#include "Numbers.h"
#include "StrProc.h"

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
    const char separator = usedComma ? ',' : '.';
    for (char c : text) {
        if (!(c >= '0' && c <= '9') && c != separator) {
            bad = true;
            return -1;
        }
    }
    if (CountOccurrences(text, std::string_view(&separator, 1)) > 1) {
        bad = true;
        return -1;
    }
    return ReadFieldNumber(text, usedComma);
}

void ClearInput(EntryFields& fields) {
    fields = EntryFields{};
}

} // namespace orvanel
