#pragma once
// Shared pieces of the fuzz targets: field texts and settings from the fuzzer's bytes, and a
// check that stops the run with the text that broke it.

#include "Calculator.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvanel::fuzz {

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s: [%.*s]\n", what,
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

// Texts the way a user could make them, with the characters that matter over-represented.
inline std::string FieldText(FuzzedDataProvider& data, std::size_t maxLength) {
    static constexpr std::string_view kPieces[] = {
        "0",  "1",   "5",   "9",  ".", ",",      "-",  "+",  " ", "e",      "E",   "d", "&H",
        "&O", "inf", "nan", "0x", "°", "\u2212", "\t", "\n", "a", "6.2832", "360", "59"};
    std::string text;
    while (text.size() < maxLength && data.ConsumeIntegralInRange<int>(0, 7) != 0) {
        if (data.ConsumeBool()) {
            text += kPieces[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kPieces) - 1)];
        } else {
            text += static_cast<char>(data.ConsumeIntegral<unsigned char>());
        }
    }
    return text;
}

inline CalcSettings Settings(FuzzedDataProvider& data) {
    CalcSettings settings;
    settings.sigFigs = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(5, 8)
                                          : data.ConsumeIntegralInRange<int>(-2, 12);
    settings.options.outputInDecimal = data.ConsumeBool();
    settings.options.decimalDegrees = data.ConsumeBool();
    settings.options.roundToMinutes = !settings.options.outputInDecimal && data.ConsumeBool();
    settings.options.showPlusMinus = data.ConsumeBool();
    if (data.ConsumeBool()) {
        settings.format.decimalSeparator = ",";
        settings.format.groupSeparator = ".";
    }
    return settings;
}

inline EntryFields Fields(FuzzedDataProvider& data) {
    EntryFields fields; // up to and beyond the typing limits: the program writes longer texts
    for (std::string* text : {&fields.radians, &fields.toAdd, &fields.degrees, &fields.minutes,
                              &fields.seconds, &fields.sign}) {
        *text = FieldText(data, text == &fields.sign ? 2 : 20);
    }
    return fields;
}

} // namespace orvanel::fuzz
