// Every kind of bad input in each field that reads numbers, and what it gets. The table in
// docs/robustness.md lists the same rows.
#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

const char* const kInvalid = "Invalid input for degrees, minutes or seconds.";

struct Row {
    const char* kind;
    const char* input;
    const char* expected; // a message text, or what the command writes (line or field)
};

std::string Got(const Outcome& outcome, const std::string& written) {
    return outcome.message ? outcome.message->text : written;
}

} // namespace

TEST(BadInput, DegreesField) {
    const Row rows[] = {
        {"minus sign", "-30", kInvalid},
        {"plus sign", "+30", kInvalid},
        {"blanks around", " 30 ", "30°0'0\" = 0.52360 radians\r\n"},
        {"blank inside", "3 0", kInvalid},
        {"letters", "abc", kInvalid},
        {"exponent", "1e3", kInvalid},
        {"&H", "&H1F", kInvalid},
        {"beyond a double", "9E999", kInvalid},
        {"inf", "inf", kInvalid},
        {"nan", "nan", kInvalid},
        {"hex float", "0x1p3", kInvalid},
        {"U+2212 minus", "\u221230", kInvalid},
        {"degree sign", "30°", kInvalid},
        {"lone separator", ".", "0°0'0\" = 0.00000 radians\r\n"},
        {"both separators", "1,5.0", kInvalid},
        {"13 digits", "1234567890123", "Degrees out of range"},
    };
    for (const Row& row : rows) {
        EntryFields fields;
        fields.degrees = row.input;
        const Outcome outcome = ConvertDegreesToRadians(fields, Settings(6));
        EXPECT_EQ(Got(outcome, outcome.paneAppend), row.expected) << row.kind;
    }
}

TEST(BadInput, RadiansField) {
    const Row rows[] = {
        {"minus sign", "-1", "-1.00000 radians = -57°17'45\"\r\n"},
        {"plus sign", "+1", "1.00000 radians = 57°17'45\"\r\n"},
        {"blanks around", " 1 ", "1.00000 radians = 57°17'45\"\r\n"},
        {"blank inside joins digits", "1 2", "Radians out of range"},
        {"letters", "abc", "0.00000 radians = 0°0'0\"\r\n"},
        {"exponent", "5e-1", "0.50000 radians = 28°38'52\"\r\n"},
        {"&H", "&H1", "1.00000 radians = 57°17'45\"\r\n"},
        {"beyond a double", "9E999", "Radians out of range"},
        {"inf", "inf", "0.00000 radians = 0°0'0\"\r\n"},
        {"nan", "nan", "0.00000 radians = 0°0'0\"\r\n"},
        {"hex float", "0x1p3", "0.00000 radians = 0°0'0\"\r\n"},
        {"U+2212 minus", "\u22121", "0.00000 radians = 0°0'0\"\r\n"},
        {"degree sign", "1°", "1.00000 radians = 57°17'45\"\r\n"},
        {"lone separator", ".", "0.00000 radians = 0°0'0\"\r\n"},
        {"both separators", "1,5.0", "1,50000 radians = 85°56'37\"\r\n"},
        {"13 digits", "1234567890123", "Radians out of range"},
    };
    for (const Row& row : rows) {
        EntryFields fields;
        fields.radians = row.input;
        const Outcome outcome = ConvertRadiansToDegrees(fields, Settings(6));
        EXPECT_EQ(Got(outcome, outcome.paneAppend), row.expected) << row.kind;
    }
}

TEST(BadInput, SecondValueField) {
    const Row rows[] = {
        {"minus sign", "-1", "-1"},
        {"plus sign", "+1", "1"},
        {"blanks around", " 1 ", "1"},
        {"blank inside joins digits", "1 2", "Second value out of range"},
        {"letters", "abc", "0"},
        {"exponent", "5e-1", "0.5"},
        {"&H", "&H1", "1"},
        {"beyond a double", "9E999", "Second value out of range"},
        {"inf", "inf", "0"},
        {"nan", "nan", "0"},
        {"hex float", "0x1p3", "0"},
        {"U+2212 minus", "\u22121", "0"},
        {"degree sign", "1°", "1"},
        {"lone separator", ".", "0"},
        {"comma while the first value has none", "1,5", "1"},
        {"13 digits", "1234567890123", "Second value out of range"},
    };
    for (const Row& row : rows) {
        EntryFields fields;
        fields.radians = "1";
        fields.toAdd = row.input;
        const Outcome outcome = PlusMinus(fields, PlusMinusIndex::Add, Settings(6));
        EXPECT_EQ(Got(outcome, fields.toAdd), row.expected) << row.kind;
    }
}
