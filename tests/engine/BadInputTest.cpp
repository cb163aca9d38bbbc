// Every kind of bad input in each field that reads numbers, and what it gets. The table in
// docs/robustness.md lists the same rows.
#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

const char* const kBad = "Invalid input for degrees, minutes or seconds.";
const char* const kZero = "0.00000 radians = 0°0'0\"\r\n";
const char* const kOne = "1.00000 radians = 57°17'45\"\r\n";

// One kind of bad input: what each field gets (a message, or what the command writes).
struct Row {
    const char* kind;
    const char* degrees;
    const char* degreesGets;
    const char* radians; // also typed into the second value, with 1 in the radians field
    const char* radiansGets;
    const char* secondValueGets;
};

std::string Got(const Outcome& outcome, const std::string& written) {
    return outcome.message ? outcome.message->text : written;
}

} // namespace

// clang-format off
TEST(BadInput, EachFieldAgainstEachKind) {
    const Row rows[] = {
        {"minus sign",       "-30",   kBad, "-1",    "-1.00000 radians = -57°17'45\"\r\n", "-1"},
        {"plus sign",        "+30",   kBad, "+1",    kOne, "1"},
        {"blanks around",    " 30 ",  "30°0'0\" = 0.52360 radians\r\n", " 1 ", kOne, "1"},
        {"blank inside",     "3 0",   kBad, "1 2",   "Radians out of range", "Second value out of range"},
        {"letters",          "abc",   kBad, "abc",   kZero, "0"},
        {"exponent",         "1e3",   kBad, "5e-1",  "0.50000 radians = 28°38'52\"\r\n", "0.5"},
        {"&H",               "&H1F",  kBad, "&H1",   kOne, "1"},
        {"beyond a double",  "9E999", kBad, "9E999", "Radians out of range", "Second value out of range"},
        {"inf",              "inf",   kBad, "inf",   kZero, "0"},
        {"nan",              "nan",   kBad, "nan",   kZero, "0"},
        {"hex float",        "0x1p3", kBad, "0x1p3", kZero, "0"},
        {"U+2212 minus",     "\u221230", kBad, "\u22121", kZero, "0"},
        {"degree sign",      "30°",   kBad, "1°",    kOne, "1"},
        {"lone separator",   ".",     "0°0'0\" = 0.00000 radians\r\n", ".", kZero, "0"},
        {"both separators",  "1,5.0", kBad, "1,5.0", "1,50000 radians = 85°56'37\"\r\n", "1"},
        {"13 digits",        "1234567890123", "Degrees out of range", "1234567890123", "Radians out of range", "Second value out of range"},
    };
    for (const Row& row : rows) {
        EntryFields dms;
        dms.degrees = row.degrees;
        const Outcome deg = ConvertDegreesToRadians(dms, Settings(6));
        EXPECT_EQ(Got(deg, deg.paneAppend), row.degreesGets) << row.kind;

        EntryFields radians;
        radians.radians = row.radians;
        const Outcome rad = ConvertRadiansToDegrees(radians, Settings(6));
        EXPECT_EQ(Got(rad, rad.paneAppend), row.radiansGets) << row.kind;

        EntryFields adder;
        adder.radians = "1";
        adder.toAdd = row.radians;
        const Outcome add = PlusMinus(adder, PlusMinusIndex::Add, Settings(6));
        EXPECT_EQ(Got(add, adder.toAdd), row.secondValueGets) << row.kind;
    }
}
// clang-format on
