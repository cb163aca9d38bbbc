// The whole-angle reader, by round trip: an angle made of random digit texts, written in a
// random notation with a random sign or hemisphere, reads back as the same fields and sign.
#include "FuzzSupport.h"
#include "WholeAngle.h"

using namespace orvanel;
using namespace orvanel::fuzz;

namespace {

// A part within its range: degrees below 360, minutes and seconds below 60.
std::string Digits(FuzzedDataProvider& data, int below, bool withFraction) {
    const std::string whole = std::to_string(data.ConsumeIntegralInRange<int>(0, below - 1));
    return withFraction ? whole + (data.ConsumeBool() ? "." : ",") +
                              std::to_string(data.ConsumeIntegralInRange<int>(0, 999))
                        : whole;
}

struct Notation {
    const char* marks[3]; // after degrees, minutes, seconds; nullptr: separated by `gap`
    const char* gap;
};

constexpr Notation kNotations[] = {
    {{nullptr}, " "},        {{nullptr}, ":"},       {{nullptr}, " \t "},
    {{"°", "'", "\""}, ""},  {{"°", "′", "″"}, " "}, {{"º", "'", "''"}, ""},
    {{"d", "m", "s"}, ""},   {{"°", "’", "”"}, " "}, {{"deg", "M", "“"}, ""},
    {{"˚", "´", "´´"}, " "}, {{"D", "‘", "’’"}, ""}, {{"DEG", "m", "s"}, " "}};

// Signs and hemispheres, before or after the angle.
struct Way {
    const char* text;
    bool negative;
    bool hemisphere;
};
constexpr Way kWays[] = {{"", false, false},      {"+", false, false},     {"-", true, false},
                         {"\u2212", true, false}, {"\u2013", true, false}, {"N", false, true},
                         {"E", false, true},      {"S", true, true},       {"W", true, true},
                         {"n", false, true},      {"e", false, true},      {"s", true, true},
                         {"w", true, true},       {"North", false, true},  {"east", false, true},
                         {"SOUTH", true, true},   {"West", true, true}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Notation& notation =
        kNotations[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kNotations) - 1)];
    const bool marked = notation.marks[0] != nullptr;
    EntryFields expected;
    std::string* parts[] = {&expected.degrees, &expected.minutes, &expected.seconds};
    // Unmarked parts come in order from the degrees; marked ones may leave any part out.
    const int count = data.ConsumeIntegralInRange<int>(1, 3);
    std::string body;
    for (int i = 0, given = 0; i < 3 && given < count; ++i) {
        if (marked && i < 2 && data.ConsumeBool()) {
            continue;
        }
        *parts[i] = Digits(data, i == 0 ? 360 : 60, ++given == count && data.ConsumeBool());
        body += (body.empty() || marked ? "" : notation.gap) + *parts[i] +
                (marked ? notation.marks[i] : "");
        body += marked ? notation.gap : "";
    }
    const Way& way = kWays[data.ConsumeIntegralInRange<std::size_t>(0, 16)];
    const bool before = data.ConsumeBool();
    std::string text =
        !way.hemisphere || before ? way.text + std::string(" ") + body : body + " " + way.text;
    expected.sign = way.negative ? "-" : "";

    const WholeAngle read = ReadWholeAngle(text, AngleLimits::BelowSixty);
    Check(bool(read), "an angle in a known notation is read", text);
    Check(read.fields == expected, "the same fields and sign come back", text);
    Check(!way.hemisphere || ReadWholeAngle("-" + text, AngleLimits::BelowSixty).problem ==
                                 AngleProblem::SignAndHemisphere,
          "a minus together with a hemisphere is refused as such", text);
    return 0;
}
