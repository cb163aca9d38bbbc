#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

EntryFields Dms(std::string d, std::string m, std::string s, std::string sign = "") {
    EntryFields f;
    f.degrees = std::move(d);
    f.minutes = std::move(m);
    f.seconds = std::move(s);
    f.sign = std::move(sign);
    f.radians = "untouched";
    return f;
}

const Message kInvalid{"Invalid input for degrees, minutes or seconds.", "Degrees to radians",
                       MessageStyle::Exclamation};

} // namespace

// clang-format off
TEST(Deg2Rad, ConvertsAndEchoesTheTypedAngle) {
    struct Row { EntryFields in; int sigFigs; const char* radians; const char* line; };
    const Row rows[] = {
        {Dms("30", "", ""),           6, "0.52360",   "30°0'0\" = 0.52360 radians"},
        {Dms("45", "30", "15", "-"),  6, "-0.79420",  "-45°30'15\" = -0.79420 radians"},
        {Dms("12,5", "0", "0"),       6, "0,21817",   "12,5°0'0\" = 0,21817 radians"},
        {Dms("", "0.5", ""),          6, "0.00015",   "0°.5'0\" = 0.00015 radians"},
        {Dms(" 30 ", "  ", ""),       6, "0.52360",   "30°0'0\" = 0.52360 radians"},
        {Dms("360", "0", "0"),        6, "6.28319",   "360°0'0\" = 6.28319 radians"},
        {Dms("359", "59", "59"),      6, "6.28318",   "359°59'59\" = 6.28318 radians"},
        {Dms("0", "0", "0", "-"),     6, "-0.00000",  "-0°0'0\" = -0.00000 radians"},
        {Dms("12,5", "0.5", ""),      6, "0,21831",   "12,5°,5'0\" = 0,21831 radians"},
        {Dms("12.5", "0,5", ""),      6, "0.21831",   "12.5°.5'0\" = 0.21831 radians"},
        {Dms("0.000001", "", ""),     6, "0.00000",   "1E-06°0'0\" = 0.00000 radians"},
        {Dms("30", "", ""),           8, "0.5235988", "30°0'0\" = 0.5235988 radians"},
        {Dms("30", "", ""),           0, "0.52",      "30°0'0\" = 0.52 radians"},
    };
    for (const Row& row : rows) {
        EntryFields fields = row.in;
        const Outcome outcome = ConvertDegreesToRadians(fields, Settings(row.sigFigs));
        EXPECT_FALSE(outcome.message) << row.line;
        EXPECT_EQ(fields.radians, row.radians) << row.line;
        EXPECT_EQ(outcome.paneAppend, std::string(row.line) + "\r\n");
        // the whole pane turns to commas exactly when the degrees field has one
        EXPECT_EQ(outcome.paneCommas, row.in.degrees.find(',') != std::string::npos) << row.line;
    }
}

TEST(Deg2Rad, RefusesBadInputAndRangesInOrder) {
    const auto range = [](const char* text) { return *Info(text, "Degrees to radians"); };
    struct Row { EntryFields in; Message message; FocusTarget focus; };
    const Row rows[] = {
        {Dms("360", "0", "1"),     range("Degrees out of range"), FocusTarget::Degrees},
        {Dms("360", "0.5", "0"),   range("Degrees out of range"), FocusTarget::Degrees},
        {Dms("360.5", "", ""),     range("Degrees out of range"), FocusTarget::Degrees},
        {Dms(std::string(400, '9'), "", ""), range("Degrees out of range"), FocusTarget::Degrees},
        {Dms("10", "59.5", "0"),   range("Minutes out of range"), FocusTarget::Minutes},
        {Dms("10", "60", "0"),     range("Minutes out of range"), FocusTarget::Minutes},
        {Dms("10", "0", "59.01"),  range("Seconds out of range"), FocusTarget::Seconds},
        {Dms("400", "abc", ""),    kInvalid,                      FocusTarget::Unchanged},
        {Dms("-5", "", ""),        kInvalid,                      FocusTarget::Unchanged},
        {Dms("1,5.0", "", ""),     kInvalid,                      FocusTarget::Unchanged},
    };
    for (const Row& row : rows) {
        EntryFields fields = row.in;
        const Outcome outcome = ConvertDegreesToRadians(fields, Settings(6));
        EXPECT_EQ(outcome.message, row.message) << row.in.degrees;
        EXPECT_EQ(outcome.focus, row.focus) << row.in.degrees;
        EXPECT_TRUE(outcome.paneAppend.empty());
        EXPECT_EQ(fields.radians, "untouched");
    }
}
// clang-format on

TEST(Deg2Rad, ZerosWrittenIntoEmptyFieldsStayAfterAMessage) {
    EntryFields fields = Dms("400", "abc", "");
    ConvertDegreesToRadians(fields, Settings(6));
    EXPECT_EQ(fields, Dms("400", "abc", "0"));
}

TEST(Deg2Rad, AllEmptyDoesNothingButTrim) {
    EntryFields fields = Dms("  ", "", " ", "-");
    const Outcome outcome = ConvertDegreesToRadians(fields, Settings(6));
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(outcome.paneAppend.empty());
    EXPECT_EQ(fields, Dms("", "", "", "-"));
}
