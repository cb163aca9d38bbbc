#pragma once

#include "Calculator.h"
#include "StrProc.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvanel::testing {

inline CalcSettings Settings(int sigFigs, OutputOptions options = {}) {
    CalcSettings settings;
    settings.sigFigs = sigFigs;
    settings.options = options;
    return settings;
}

inline OutputOptions RoundToMinutes() {
    OutputOptions o;
    o.roundToMinutes = true;
    return o;
}
inline OutputOptions DecimalDegrees() {
    OutputOptions o;
    o.outputInDecimal = true;
    return o;
}
inline OutputOptions DecimalMinutes() {
    OutputOptions o;
    o.outputInDecimal = true;
    o.decimalDegrees = false;
    return o;
}

inline std::optional<Message> Info(const char* text, const char* title) {
    return Message{text, title, MessageStyle::Information};
}

} // namespace orvanel::testing
