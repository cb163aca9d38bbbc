#include "AngleEntry.h"

#include "Numbers.h"
#include "StrProc.h"

namespace orvanel {

double ParseAngleField(std::string_view text, bool& bad, bool& usedComma) {
    usedComma = text.find(',') != std::string_view::npos;
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
    return ReadLeadingNumber(usedComma ? ReplaceChar(text, ',', '.') : std::string(text));
}

void ClearInput(EntryFields& fields) {
    fields = EntryFields{};
}

} // namespace orvanel
