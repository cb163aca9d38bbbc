#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

struct Row {
    const char* in;
    int sigFigs;
    OutputOptions options;
    const char* radians; // the field as rewritten
    const char* line;    // without CR LF
};

void Check(const Row& row, const NumberFormat& format = {}) {
    EntryFields fields;
    fields.radians = row.in;
    CalcSettings settings = Settings(row.sigFigs, row.options);
    settings.format = format;
    const Outcome outcome = ConvertRadiansToDegrees(fields, settings);
    EXPECT_FALSE(outcome.message) << row.in;
    EXPECT_EQ(fields.radians, row.radians) << row.in;
    EXPECT_EQ(outcome.paneAppend, std::string(row.line) + "\r\n") << row.in;
}

const OutputOptions kDms;
const OutputOptions kMin = RoundToMinutes();
const OutputOptions kDecDeg = DecimalDegrees();
const OutputOptions kDecMin = DecimalMinutes();

} // namespace

// clang-format off
TEST(Rad2DegCommand, EveryFormInPointAndCommaModePositiveAndNegative) {
    const Row rows[] = {
        {"1",    6, kDms,    "1.00000",  "1.00000 radians = 57°17'45\""},
        {"1",    6, kMin,    "1.00000",  "1.00000 radians = 57°18'"},
        {"1",    6, kDecDeg, "1.00000",  "1.00000 radians = 57.2958°"},
        {"1",    6, kDecMin, "1.00000",  "1.00000 radians = 57°17.75'"},
        {"-1",   6, kDms,    "-1.00000", "-1.00000 radians = -57°17'45\""},
        {"-1",   6, kMin,    "-1.00000", "-1.00000 radians = -57°18'"},
        {"1,5",  6, kDms,    "1,50000",  "1,50000 radians = 85°56'37\""},
        {"0,5",  6, kMin,    "0,50000",  "0,50000 radians = 28°39'"},
        {"-2,5", 6, kDecDeg, "-2,50000", "-2,50000 radians = -143,2394°"},
        {"-2,5", 6, kDecMin, "-2,50000", "-2,50000 radians = -143°14,37'"},
    };
    for (const Row& row : rows) Check(row);
}

TEST(Rad2DegCommand, EdgeCases) {
    const Row rows[] = {
        {"6.2832",     7, kDms,    "6.283185",  "6.283185 radians = 360°0'0\""},  // 2pi to 4 decimals is a turn
        {"1.0122",     6, kDecMin, "1.01220",   "1.01220 radians = 57°59.69'"},   // minutes from the degrees shown
        {"1.01228",    5, kDecMin, "1.0123",    "1.0123 radians = 58°0.0'"},      // never 60 decimal minutes
        {"6.2831",     6, kMin,    "6.28310",   "6.28310 radians = 359°59'"},     // stops at 359°59'
        {"-0.0000001", 6, kDms,    "-0.00000",  "-0.00000 radians = 0°0'0\""},    // rounds to zero: no sign
        {"-0.0000001", 6, kDecDeg, "-0.00000",  "-0.00000 radians = 0.0000°"},
        {"0.01745329", 8, kDecMin, "0.0174533", "0.0174533 radians = 1°0.0000'"}, // no minus on zero minutes
        {"0.069813",   7, kDecMin, "0.069813",  "0.069813 radians = 3°59.999'"},  // minutes below zero: from the degree before
        {"0.069813",   8, kDecMin, "0.0698130", "0.0698130 radians = 3°59.9994'"},
        {"-0.069813",  7, kDecMin, "-0.069813", "-0.069813 radians = -3°59.999'"},
        {"0.069813",   6, kDecMin, "0.06981",   "0.06981 radians = 4°0.00'"},     // rounds to zero: as before
        {".5",         6, kDms,    "0.50000",   "0.50000 radians = 28°38'52\""},
        {"abc",        6, kDms,    "0.00000",   "0.00000 radians = 0°0'0\""},
        {"1",          0, kDms,    "1.00",      "1.00 radians = 57°17'45\""},     // start-up precision
        {"1",          8, kDms,    "1.0000000", "1.0000000 radians = 57°17'45\""},
    };
    for (const Row& row : rows) Check(row);
}
// clang-format on

TEST(Rad2DegCommand, FillsTheEntryFieldsAndTheSign) {
    struct FieldsRow {
        const char* in;
        OutputOptions options;
        EntryFields expected; // radians, toAdd, degrees, minutes, seconds, sign
    };
    const FieldsRow rows[] = {
        {"-1", kDms, {"-1.00000", "", "57", "17", "45", "-"}},
        {"1", kMin, {"1.00000", "", "57", "18", "", ""}},
        {"6.2831", kMin, {"6.28310", "", "360", "0", "", ""}}, // the fields carry to 360
        {"-0.0000001", kDms, {"-0.00000", "", "0", "0", "0", "-"}},
    };
    for (const FieldsRow& row : rows) {
        EntryFields fields;
        fields.radians = row.in;
        ConvertRadiansToDegrees(fields, Settings(6, row.options));
        EXPECT_EQ(fields, row.expected) << row.in;
    }
}

TEST(Rad2DegCommand, SingularOnlyForExactlyOneRadian) {
    NumberFormat noDecimals;
    noDecimals.defaultDecimals = 0;
    Check({"1", 0, kDms, "1", "1 radian = 57°17'45\""}, noDecimals);
    Check({"-1", 0, kDms, "-1", "-1 radian = -57°17'45\""}, noDecimals);
    Check({"2", 0, kDms, "2", "2 radians = 114°35'30\""}, noDecimals);
}

TEST(Rad2DegCommand, RegionalCommaIsNormalisedToThePointTyped) {
    NumberFormat german;
    german.decimalSeparator = ",";
    german.groupSeparator = ".";
    Check({"1", 6, kDecDeg, "1.00000", "1.00000 radians = 57.2958°"}, german);
}

TEST(Rad2DegCommand, OutOfRangeChangesNothing) {
    for (const char* text : {"6.2833", "-6.2833", "9E999", "-9E999", "7"}) {
        EntryFields fields{text, "x", "1", "2", "3", "-"};
        const EntryFields before = fields;
        const Outcome outcome = ConvertRadiansToDegrees(fields, Settings(6));
        EXPECT_EQ(outcome.message, Info("Radians out of range", "Radians to degrees")) << text;
        EXPECT_EQ(outcome.focus, FocusTarget::Radians) << text;
        EXPECT_TRUE(outcome.paneAppend.empty()) << text;
        EXPECT_EQ(fields, before) << text;
    }
    EntryFields empty{"", "", "1", "2", "3", "-"};
    EXPECT_TRUE(ConvertRadiansToDegrees(empty, Settings(6)).paneAppend.empty());
}
