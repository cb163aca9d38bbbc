#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

struct Row {
    const char* name;
    const char* radiansIn;
    int sigFigs;
    OutputOptions options;
    const char* radiansOut;
    const char* line; // without CR LF
    const char* d;
    const char* m;
    const char* s;
    const char* sign;
};

void Check(const Row& row, const NumberFormat& format = {}) {
    EntryFields fields;
    fields.radians = row.radiansIn;
    CalcSettings settings = Settings(row.sigFigs, row.options);
    settings.format = format;
    const Outcome outcome = ConvertRadiansToDegrees(fields, settings);
    EXPECT_FALSE(outcome.message) << row.name;
    EXPECT_EQ(fields.radians, row.radiansOut) << row.name;
    EXPECT_EQ(outcome.paneAppend, std::string(row.line) + "\r\n") << row.name;
    EXPECT_EQ(fields.degrees, row.d) << row.name;
    EXPECT_EQ(fields.minutes, row.m) << row.name;
    EXPECT_EQ(fields.seconds, row.s) << row.name;
    EXPECT_EQ(fields.sign, row.sign) << row.name;
}

} // namespace

TEST(Rad2DegCommand, EveryFormInPointAndCommaModePositiveAndNegative) {
    const OutputOptions dms;
    const Row rows[] = {
        {"dms", "1", 6, dms, "1.00000", "1.00000 radians = 57°17'45\"", "57", "17", "45", ""},
        {"minutes", "1", 6, RoundToMinutes(), "1.00000", "1.00000 radians = 57°18'", "57", "18", "",
         ""},
        {"decimal degrees", "1", 6, DecimalDegrees(), "1.00000", "1.00000 radians = 57.2958°", "57",
         "17", "45", ""},
        {"decimal minutes", "1", 6, DecimalMinutes(), "1.00000", "1.00000 radians = 57°17.75'",
         "57", "17", "45", ""},
        {"negative dms", "-1", 6, dms, "-1.00000", "-1.00000 radians = -57°17'45\"", "57", "17",
         "45", "-"},
        {"negative minutes", "-1", 6, RoundToMinutes(), "-1.00000", "-1.00000 radians = -57°18'",
         "57", "18", "", "-"},
        {"comma dms", "1,5", 6, dms, "1,50000", "1,50000 radians = 85°56'37\"", "85", "56", "37",
         ""},
        {"comma decimal degrees negative", "-2,5", 6, DecimalDegrees(), "-2,50000",
         "-2,50000 radians = -143,2394°", "143", "14", "22", "-"},
        {"comma decimal minutes negative", "-2,5", 6, DecimalMinutes(), "-2,50000",
         "-2,50000 radians = -143°14,37'", "143", "14", "22", "-"},
        {"comma minutes", "0,5", 6, RoundToMinutes(), "0,50000", "0,50000 radians = 28°39'", "28",
         "39", "", ""},
    };
    for (const Row& row : rows) {
        Check(row);
    }
}

TEST(Rad2DegCommand, EdgeCases) {
    const OutputOptions dms;
    const Row rows[] = {
        {"2pi to four decimals is a turn", "6.2832", 7, dms, "6.283185",
         "6.283185 radians = 360°0'0\"", "360", "0", "0", ""},
        {"minutes measured from the degrees shown", "1.0122", 6, DecimalMinutes(), "1.01220",
         "1.01220 radians = 57°59.69'", "57", "59", "41", ""},
        {"decimal minutes never read 60", "1.01228", 5, DecimalMinutes(), "1.0123",
         "1.0123 radians = 58°0.0'", "57", "59", "58", ""},
        {"fields carry to 360, line stops at 359°59'", "6.2831", 6, RoundToMinutes(), "6.28310",
         "6.28310 radians = 359°59'", "360", "0", "", ""},
        {"tiny negative rounds to zero", "-0.0000001", 6, dms, "-0.00000",
         "-0.00000 radians = 0°0'0\"", "0", "0", "0", "-"},
        {"tiny negative decimal degrees lose the minus", "-0.0000001", 6, DecimalDegrees(),
         "-0.00000", "-0.00000 radians = 0.0000°", "0", "0", "0", "-"},
        {"a hair below a degree: no minus on zero minutes", "0.01745329", 8, DecimalMinutes(),
         "0.0174533", "0.0174533 radians = 1°0.0000'", "1", "0", "0", ""},
        {"leading zero added", ".5", 6, dms, "0.50000", "0.50000 radians = 28°38'52\"", "28", "38",
         "52", ""},
        {"text without a number reads 0", "abc", 6, dms, "0.00000", "0.00000 radians = 0°0'0\"",
         "0", "0", "0", ""},
        {"start-up: whole radians, regional decimals", "1", 0, dms, "1.00",
         "1.00 radians = 57°17'45\"", "57", "17", "45", ""},
        {"nine figures", "1", 8, dms, "1.0000000", "1.0000000 radians = 57°17'45\"", "57", "17",
         "45", ""},
    };
    for (const Row& row : rows) {
        Check(row);
    }
}

TEST(Rad2DegCommand, SingularOnlyForExactlyOneRadian) {
    NumberFormat noDecimals;
    noDecimals.defaultDecimals = 0;
    const OutputOptions dms;
    Check({"one", "1", 0, dms, "1", "1 radian = 57°17'45\"", "57", "17", "45", ""}, noDecimals);
    Check({"minus one", "-1", 0, dms, "-1", "-1 radian = -57°17'45\"", "57", "17", "45", "-"},
          noDecimals);
    Check({"two", "2", 0, dms, "2", "2 radians = 114°35'30\"", "114", "35", "30", ""}, noDecimals);
}

TEST(Rad2DegCommand, RegionalCommaIsNormalisedToThePointTyped) {
    NumberFormat german;
    german.decimalSeparator = ",";
    german.groupSeparator = ".";
    Check({"point typed", "1", 6, DecimalDegrees(), "1.00000", "1.00000 radians = 57.2958°", "57",
           "17", "45", ""},
          german);
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
}

TEST(Rad2DegCommand, EmptyTextDoesNothing) {
    EntryFields fields{"", "", "1", "2", "3", "-"};
    const EntryFields before = fields;
    const Outcome outcome = ConvertRadiansToDegrees(fields, Settings(6));
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(outcome.paneAppend.empty());
    EXPECT_EQ(fields, before);
}
