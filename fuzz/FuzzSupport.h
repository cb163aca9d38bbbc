#pragma once
// Shared pieces of the fuzz targets: taking field texts and settings from the fuzzer's bytes,
// and the invariants every command's output must keep.

#include "Calculator.h"
#include "StrProc.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvanel::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds) {
        Fail(what, detail);
    }
}

// Texts the way a user could make them, with the characters that matter over-represented.
inline std::string FieldText(FuzzedDataProvider& data, std::size_t maxLength) {
    static constexpr std::string_view kAlphabet[] = {
        "0",      "1",  "5",  "9",  ".",      ",",   "-",   "+",       " ",
        "e",      "E",  "d",  "&H", "&O",     "inf", "nan", "0x",      "°",
        "\u2212", "\t", "\n", "a",  "6.2832", "360", "59",  "99999999"};
    std::string text;
    while (text.size() < maxLength && data.remaining_bytes() > 0) {
        if (data.ConsumeBool()) {
            text +=
                kAlphabet[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kAlphabet) - 1)];
        } else {
            text += static_cast<char>(data.ConsumeIntegral<unsigned char>());
        }
        if (data.ConsumeIntegralInRange<int>(0, 7) == 0) {
            break;
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
    EntryFields fields;
    // Up to and beyond the fields' typing limits: the program may write longer texts.
    fields.radians = FieldText(data, 20);
    fields.toAdd = FieldText(data, 20);
    fields.degrees = FieldText(data, 12);
    fields.minutes = FieldText(data, 8);
    fields.seconds = FieldText(data, 8);
    fields.sign = data.ConsumeBool() ? "-" : "";
    return fields;
}

inline bool HasNonFiniteText(std::string_view text) {
    for (std::string_view bad : {"inf", "nan", "INF", "NAN"}) {
        if (text.find(bad) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// What every command must keep, whatever it was given.
inline void CheckOutcome(const EntryFields& before, const EntryFields& after,
                         const Outcome& outcome) {
    Check(outcome.paneAppend.empty() ||
              outcome.paneAppend.size() >= 2 &&
                  outcome.paneAppend.compare(outcome.paneAppend.size() - 2, 2, "\r\n") == 0,
          "a result line ends in CR LF", outcome.paneAppend);
    Check(!(outcome.message && !outcome.paneAppend.empty()), "a message adds no line");
    for (const std::string* text : {&after.radians, &after.toAdd, &after.degrees, &after.minutes,
                                    &after.seconds, &outcome.paneAppend}) {
        // Only text the user typed may hold these letters; the calculator never writes them.
        bool typed = false;
        for (const std::string* field :
             {&before.radians, &before.toAdd, &before.degrees, &before.minutes, &before.seconds}) {
            typed = typed || *text == *field || *text == TrimBlanks(*field);
        }
        Check(typed || !HasNonFiniteText(*text), "no inf or nan text", *text);
    }
}

struct CommandRun {
    CalcSettings settings;
    EntryFields before;
    EntryFields after;
    Outcome outcome;
};

// Runs a command on random settings and fields and checks what every command must keep.
template <typename Command> CommandRun RunCommand(FuzzedDataProvider& data, Command command) {
    CommandRun run;
    run.settings = Settings(data);
    run.before = Fields(data);
    run.after = run.before;
    run.outcome = command(run.after, run.settings);
    CheckOutcome(run.before, run.after, run.outcome);
    return run;
}

} // namespace orvanel::fuzz
