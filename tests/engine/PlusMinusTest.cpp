#include "CommandTestSupport.h"

using namespace orvanel;
using namespace orvanel::testing;

namespace {

EntryFields Operands(const char* radians, const char* toAdd) {
    EntryFields f;
    f.radians = radians;
    f.toAdd = toAdd;
    return f;
}

constexpr auto kAdd = PlusMinusIndex::Add;
constexpr auto kSub = PlusMinusIndex::Subtract;

} // namespace

// clang-format off
TEST(PlusMinus, AddsAndSubtractsModuloOneTurn) {
    // The line names both operands as written back and the result, which the radians field
    // then holds.
    struct Row { const char* radians; const char* toAdd; PlusMinusIndex index; const char* toAddAfter; const char* line; };
    const Row rows[] = {
        {"3",         "4",          kAdd, "4",        "(3 + 4) mod 2pi = 0.71681"},
        {"3.14159",   "3.1416",     kAdd, "3.1416",   "(3.14159 + 3.1416) mod 2pi = 0.00000"}, // reaches the modulus
        {"1",         "2",          kSub, "2",        "(1 - 2) mod 2pi = 5.28319"},
        {"1",         "1",          kSub, "1",        "(1 - 1) mod 2pi = 0.00000"},
        {"1,5",       "0,25",       kAdd, "0,25",     "(1,5 + 0,25) mod 2pi = 1,75000"},       // comma from the first field
        {"1",         "0,5",        kAdd, "0",        "(1 + 0) mod 2pi = 1.00000"},            // a comma ends the number
        {"",          "1",          kAdd, "1",        "(0 + 1) mod 2pi = 1.00000"},
        {"2",         "   ",        kAdd, "0",        "(2 + 0) mod 2pi = 2.00000"},
        {"abc",       "0.50000",    kAdd, "0.5",      "(0 + 0.5) mod 2pi = 0.50000"},          // short forms
        {"1",         "-0.5",       kAdd, "-.5",      "(1 + -.5) mod 2pi = 0.50000"},
        {"1",         "0.00001",    kAdd, "1E-05",    "(1 + 1E-05) mod 2pi = 1.00001"},
        {"6.2831853", "-6.2831853", kAdd, "-6.28319", "(6.28319 + -6.28319) mod 2pi = 0.00000"}, // both limits in range
    };
    for (const Row& row : rows) {
        EntryFields fields = Operands(row.radians, row.toAdd);
        const Outcome outcome = PlusMinus(fields, row.index, Settings(6));
        const std::string line = row.line;
        EXPECT_FALSE(outcome.message) << line;
        EXPECT_EQ(outcome.paneAppend, line + "\r\n");
        EXPECT_EQ(fields.radians, line.substr(line.rfind(' ') + 1)) << line;
        EXPECT_EQ(fields.toAdd, row.toAddAfter) << line;
    }
}

TEST(PlusMinus, RangeMessagesSayWhatTheFieldsHold) {
    struct Row { const char* radians; const char* toAdd; PlusMinusIndex index; std::optional<Message> message; FocusTarget focus; const char* radiansAfter; };
    const Row rows[] = {
        {"6.28318531", "1",      kAdd, Info("Radians out of range", "Add"),            FocusTarget::Radians, "6.28318531"},
        {"9E999",      "1",      kSub, Info("Radians out of range", "Subtract'"),      FocusTarget::Radians, "9E999"},
        {"1.000001",   "-7",     kSub, Info("Second value out of range", "Subtract'"), FocusTarget::ToAdd,   "1"},
        {"1",          "-9E999", kAdd, Info("Second value out of range", "Add"),       FocusTarget::ToAdd,   "1"},
    };
    for (const Row& row : rows) {
        EntryFields fields = Operands(row.radians, row.toAdd);
        const Outcome outcome = PlusMinus(fields, row.index, Settings(6));
        EXPECT_EQ(outcome.message, row.message) << row.radians;
        EXPECT_EQ(outcome.focus, row.focus) << row.radians;
        EXPECT_TRUE(outcome.paneAppend.empty());
        EXPECT_EQ(fields, Operands(row.radiansAfter, row.toAdd)) << row.radians;
    }
}
// clang-format on

TEST(PlusMinus, EmptySecondFieldDoesNothing) {
    EntryFields fields = Operands("", "");
    EXPECT_FALSE(PlusMinus(fields, kAdd, Settings(6)).message);
    EXPECT_EQ(fields, Operands("", ""));
}

TEST(PlusMinus, HiddenLogStillRewritesFields) {
    OutputOptions quiet;
    quiet.showPlusMinus = false;
    EntryFields fields = Operands("3", "4");
    EXPECT_TRUE(PlusMinus(fields, kAdd, Settings(6, quiet)).paneAppend.empty());
    EXPECT_EQ(fields.radians, "0.71681");
}

TEST(PlusMinus, MoveCopiesTextUnreadAndEmptiesTheFirstField) {
    EntryFields fields = Operands("abc", "old");
    PlusMinus(fields, PlusMinusIndex::Move, Settings(6));
    EXPECT_EQ(fields, Operands("", "abc"));
}

TEST(PlusMinus, Mod2PiTakesExactlyOneTurnDownToZero) {
    EXPECT_EQ(Mod2Pi(TwoPi), 0.0);
    EXPECT_EQ(Mod2Pi(-TwoPi), 0.0);
    EXPECT_DOUBLE_EQ(Mod2Pi(-1), TwoPi - 1);
}

// clang-format off
TEST(ChangeSign, FlipsUnlessAllFieldsAreEmpty) {
    struct Row { const char* d; const char* m; const char* s; const char* before; const char* after; };
    const Row rows[] = {
        {"30",   "",  "",   "",  "-"},
        {"30",   "",  "",   "-", ""},
        {"",     "",  "15", "",  "-"},   // seconds alone count
        {" 30 ", "",  "",   "",  "-"},
        {"",     " ", "",   "-", ""},    // blank fields clear the sign
        {"",     "",  "",   "",  ""},
    };
    for (const Row& row : rows) {
        EntryFields fields;
        fields.degrees = row.d;
        fields.minutes = row.m;
        fields.seconds = row.s;
        fields.sign = row.before;
        EXPECT_EQ(ChangeSign(fields, true).focus, FocusTarget::Deg2RadButton);
        EXPECT_EQ(fields.sign, row.after) << row.d << row.m << row.s;
        EXPECT_EQ(fields.degrees, TrimBlanks(row.d));
    }
    EntryFields fields;
    EXPECT_EQ(ChangeSign(fields, false).focus, FocusTarget::Unchanged);
}
// clang-format on
