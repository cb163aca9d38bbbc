#pragma once
// Shared pieces of the fuzz targets: texts as a user could type them, and a check that stops
// the run with the text that broke it.

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

// The characters that matter over-represented, among any bytes at all.
inline std::string FieldText(FuzzedDataProvider& data, std::size_t maxLength) {
    static constexpr std::string_view kPieces[] = {
        "0",  "1",   "5",   "9",  ".", ",",      "-",  "+",  " ",      "e",   "E",  "d", "&H",
        "&O", "inf", "nan", "0x", "°", "\u2212", "\t", "\n", "6.2832", "360", "59", "'"};
    std::string text;
    while (text.size() < maxLength && data.ConsumeIntegralInRange<int>(0, 7) != 0) {
        text += data.ConsumeBool()
                    ? std::string(kPieces[data.ConsumeIntegralInRange<std::size_t>(0, 24)])
                    : std::string(1, static_cast<char>(data.ConsumeIntegral<unsigned char>()));
    }
    return text;
}

} // namespace orvanel::fuzz
