#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

EntryFields Dms(const char* d, const char* m, const char* s, const char* sign = "") {
    EntryFields f;
    f.degrees = d;
    f.minutes = m;
    f.seconds = s;
    f.sign = sign;
    f.radians = "untouched";
    return f;
}

} // namespace

TEST(Deg2Rad, ConvertsAndEchoesTheTypedAngle) {
    struct Row {
        const char* name;
        EntryFields in;
        int sigFigs;
        const char* radians;
        const char* line;
        bool paneCommas;
        const char* d;
        const char* m;
        const char* s;
    };
    const Row rows[] = {
        {"empty fields become 0", Dms("30", "", ""), 6, "0.52360", "30°0'0\" = 0.52360 radians",
         false, "30", "0", "0"},
        {"negative angle", Dms("45", "30", "15", "-"), 6, "-0.79420",
         "-45°30'15\" = -0.79420 radians", false, "45", "30", "15"},
        {"comma in degrees", Dms("12,5", "0", "0"), 6, "0,21817", "12,5°0'0\" = 0,21817 radians",
         true, "12,5", "0", "0"},
        {"minutes only, short echo", Dms("", "0.5", ""), 6, "0.00015", "0°.5'0\" = 0.00015 radians",
         false, "0", "0.5", "0"},
        {"blanks are trimmed", Dms(" 30 ", "  ", ""), 6, "0.52360", "30°0'0\" = 0.52360 radians",
         false, "30", "0", "0"},
        {"full turn", Dms("360", "0", "0"), 6, "6.28319", "360°0'0\" = 6.28319 radians", false,
         "360", "0", "0"},
        {"largest below a turn", Dms("359", "59", "59"), 6, "6.28318",
         "359°59'59\" = 6.28318 radians", false, "359", "59", "59"},
        {"negative zero keeps its sign", Dms("0", "0", "0", "-"), 6, "-0.00000",
         "-0°0'0\" = -0.00000 radians", false, "0", "0", "0"},
        {"degrees decide the separator", Dms("12,5", "0.5", ""), 6, "0,21831",
         "12,5°,5'0\" = 0,21831 radians", true, "12,5", "0.5", "0"},
        {"points when degrees have none", Dms("12.5", "0,5", ""), 6, "0.21831",
         "12.5°.5'0\" = 0.21831 radians", false, "12.5", "0,5", "0"},
        {"exponent echo", Dms("0.000001", "", ""), 6, "0.00000", "1E-06°0'0\" = 0.00000 radians",
         false, "0.000001", "0", "0"},
        {"nine figures", Dms("30", "", ""), 8, "0.5235988", "30°0'0\" = 0.5235988 radians", false,
         "30", "0", "0"},
        {"no precision chosen yet: regional default", Dms("30", "", ""), 0, "0.52",
         "30°0'0\" = 0.52 radians", false, "30", "0", "0"},
    };
    for (const Row& row : rows) {
        EntryFields fields = row.in;
        const Outcome outcome = ConvertDegreesToRadians(fields, Settings(row.sigFigs));
        EXPECT_FALSE(outcome.message) << row.name;
        EXPECT_EQ(fields.radians, row.radians) << row.name;
        EXPECT_EQ(outcome.paneAppend, std::string(row.line) + "\r\n") << row.name;
        EXPECT_EQ(outcome.paneCommas, row.paneCommas) << row.name;
        EXPECT_EQ(outcome.focus, FocusTarget::Unchanged) << row.name;
        EXPECT_EQ(fields.degrees, row.d) << row.name;
        EXPECT_EQ(fields.minutes, row.m) << row.name;
        EXPECT_EQ(fields.seconds, row.s) << row.name;
        EXPECT_EQ(fields.sign, row.in.sign) << row.name;
    }
}

TEST(Deg2Rad, RefusesBadInputAndRangesInOrder) {
    const Message invalid{"Invalid input for degrees, minutes or seconds.", "Degrees to radians",
                          MessageStyle::Exclamation};
    struct Row {
        const char* name;
        EntryFields in;
        std::optional<Message> message;
        FocusTarget focus;
        const char* d;
        const char* m;
        const char* s;
    };
    const Row rows[] = {
        {"360 with seconds", Dms("360", "0", "1"),
         Info("Degrees out of range", "Degrees to radians"), FocusTarget::Degrees, "360", "0", "1"},
        {"360 with half a minute", Dms("360", "0.5", "0"),
         Info("Degrees out of range", "Degrees to radians"), FocusTarget::Degrees, "360", "0.5",
         "0"},
        {"above a turn", Dms("360.5", "", ""), Info("Degrees out of range", "Degrees to radians"),
         FocusTarget::Degrees, "360.5", "0", "0"},
        {"fractional minute above 59", Dms("10", "59.5", "0"),
         Info("Minutes out of range", "Degrees to radians"), FocusTarget::Minutes, "10", "59.5",
         "0"},
        {"sixty minutes", Dms("10", "60", "0"), Info("Minutes out of range", "Degrees to radians"),
         FocusTarget::Minutes, "10", "60", "0"},
        {"seconds above 59", Dms("10", "0", "59.01"),
         Info("Seconds out of range", "Degrees to radians"), FocusTarget::Seconds, "10", "0",
         "59.01"},
        {"bad text wins over range, zeros stay", Dms("400", "abc", ""), invalid,
         FocusTarget::Unchanged, "400", "abc", "0"},
        {"a minus is bad input", Dms("-5", "", ""), invalid, FocusTarget::Unchanged, "-5", "0",
         "0"},
        {"both separators", Dms("1,5.0", "", ""), invalid, FocusTarget::Unchanged, "1,5.0", "0",
         "0"},
        {"huge digit run is out of range", Dms(std::string(400, '9').c_str(), "", ""),
         Info("Degrees out of range", "Degrees to radians"), FocusTarget::Degrees, nullptr, "0",
         "0"},
    };
    for (const Row& row : rows) {
        EntryFields fields = row.in;
        const Outcome outcome = ConvertDegreesToRadians(fields, Settings(6));
        EXPECT_EQ(outcome.message, row.message) << row.name;
        EXPECT_EQ(outcome.focus, row.focus) << row.name;
        EXPECT_TRUE(outcome.paneAppend.empty()) << row.name;
        EXPECT_EQ(fields.radians, "untouched") << row.name;
        if (row.d) {
            EXPECT_EQ(fields.degrees, row.d) << row.name;
        }
        EXPECT_EQ(fields.minutes, row.m) << row.name;
        EXPECT_EQ(fields.seconds, row.s) << row.name;
    }
}

TEST(Deg2Rad, AllEmptyDoesNothingButTrim) {
    EntryFields fields = Dms("  ", "", " ", "-");
    const Outcome outcome = ConvertDegreesToRadians(fields, Settings(6));
    EXPECT_FALSE(outcome.message);
    EXPECT_TRUE(outcome.paneAppend.empty());
    EXPECT_EQ(fields.degrees, "");
    EXPECT_EQ(fields.seconds, "");
    EXPECT_EQ(fields.radians, "untouched");
}
