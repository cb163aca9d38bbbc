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

} // namespace

TEST(PlusMinus, AddsAndSubtractsModuloOneTurn) {
    struct Row {
        const char* name;
        const char* radians;
        const char* toAdd;
        PlusMinusIndex index;
        const char* result;
        const char* toAddAfter;
        const char* line;
    };
    const Row rows[] = {
        {"wraps past a turn", "3", "4", PlusMinusIndex::Add, "0.71681", "4",
         "(3 + 4) mod 2pi = 0.71681"},
        {"reaching the modulus wraps to zero", "3.14159", "3.1416", PlusMinusIndex::Add, "0.00000",
         "3.1416", "(3.14159 + 3.1416) mod 2pi = 0.00000"},
        {"negative difference comes up", "1", "2", PlusMinusIndex::Subtract, "5.28319", "2",
         "(1 - 2) mod 2pi = 5.28319"},
        {"zero stays zero", "1", "1", PlusMinusIndex::Subtract, "0.00000", "1",
         "(1 - 1) mod 2pi = 0.00000"},
        {"comma mode from the first field", "1,5", "0,25", PlusMinusIndex::Add, "1,75000", "0,25",
         "(1,5 + 0,25) mod 2pi = 1,75000"},
        {"comma in the second field only ends its number", "1", "0,5", PlusMinusIndex::Add,
         "1.00000", "0", "(1 + 0) mod 2pi = 1.00000"},
        {"empty first field becomes 0", "", "1", PlusMinusIndex::Add, "1.00000", "1",
         "(0 + 1) mod 2pi = 1.00000"},
        {"blanks in the second field read 0", "2", "   ", PlusMinusIndex::Add, "2.00000", "0",
         "(2 + 0) mod 2pi = 2.00000"},
        {"short form write-back", "abc", "0.50000", PlusMinusIndex::Add, "0.50000", "0.5",
         "(0 + 0.5) mod 2pi = 0.50000"},
        {"negative short form", "1", "-0.5", PlusMinusIndex::Add, "0.50000", "-.5",
         "(1 + -.5) mod 2pi = 0.50000"},
        {"exponent short form", "1", "0.00001", PlusMinusIndex::Add, "1.00001", "1E-05",
         "(1 + 1E-05) mod 2pi = 1.00001"},
        {"both limits belong to the range", "6.2831853", "-6.2831853", PlusMinusIndex::Add,
         "0.00000", "-6.28319", "(6.28319 + -6.28319) mod 2pi = 0.00000"},
    };
    for (const Row& row : rows) {
        EntryFields fields = Operands(row.radians, row.toAdd);
        const Outcome outcome = PlusMinus(fields, row.index, Settings(6));
        EXPECT_FALSE(outcome.message) << row.name;
        EXPECT_EQ(fields.radians, row.result) << row.name;
        EXPECT_EQ(fields.toAdd, row.toAddAfter) << row.name;
        EXPECT_EQ(outcome.paneAppend, std::string(row.line) + "\r\n") << row.name;
        EXPECT_EQ(outcome.focus, FocusTarget::Unchanged) << row.name;
    }
}

TEST(PlusMinus, RangeMessagesSayWhatTheFieldsHold) {
    struct Row {
        const char* name;
        const char* radians;
        const char* toAdd;
        PlusMinusIndex index;
        Message message;
        FocusTarget focus;
        const char* radiansAfter;
        const char* toAddAfter;
    };
    const Row rows[] = {
        {"first operand",
         "6.28318531",
         "1",
         PlusMinusIndex::Add,
         {"Radians out of range", "Add", MessageStyle::Information},
         FocusTarget::Radians,
         "6.28318531",
         "1"},
        {"first operand beyond a double",
         "9E999",
         "1",
         PlusMinusIndex::Subtract,
         {"Radians out of range", "Subtract'", MessageStyle::Information},
         FocusTarget::Radians,
         "9E999",
         "1"},
        {"second operand: first already rewritten",
         "1.000001",
         "-7",
         PlusMinusIndex::Subtract,
         {"Second value out of range", "Subtract'", MessageStyle::Information},
         FocusTarget::ToAdd,
         "1",
         "-7"},
        {"second operand beyond a double",
         "1",
         "-9E999",
         PlusMinusIndex::Add,
         {"Second value out of range", "Add", MessageStyle::Information},
         FocusTarget::ToAdd,
         "1",
         "-9E999"},
    };
    for (const Row& row : rows) {
        EntryFields fields = Operands(row.radians, row.toAdd);
        const Outcome outcome = PlusMinus(fields, row.index, Settings(6));
        EXPECT_EQ(outcome.message, row.message) << row.name;
        EXPECT_EQ(outcome.focus, row.focus) << row.name;
        EXPECT_TRUE(outcome.paneAppend.empty()) << row.name;
        EXPECT_EQ(fields.radians, row.radiansAfter) << row.name;
        EXPECT_EQ(fields.toAdd, row.toAddAfter) << row.name;
    }
}

TEST(PlusMinus, EmptySecondFieldDoesNothing) {
    EntryFields fields = Operands("", "");
    EXPECT_FALSE(PlusMinus(fields, PlusMinusIndex::Add, Settings(6)).message);
    EXPECT_EQ(fields, Operands("", ""));
}

TEST(PlusMinus, HiddenLogStillRewritesFields) {
    OutputOptions quiet;
    quiet.showPlusMinus = false;
    EntryFields fields = Operands("3", "4");
    const Outcome outcome = PlusMinus(fields, PlusMinusIndex::Add, Settings(6, quiet));
    EXPECT_EQ(fields.radians, "0.71681");
    EXPECT_TRUE(outcome.paneAppend.empty());
}

TEST(PlusMinus, MoveCopiesTextUnreadAndEmptiesTheFirstField) {
    EntryFields fields = Operands("abc", "old");
    PlusMinus(fields, PlusMinusIndex::Move, Settings(6));
    EXPECT_EQ(fields, Operands("", "abc"));
    fields = Operands("", "old");
    PlusMinus(fields, PlusMinusIndex::Move, Settings(6));
    EXPECT_EQ(fields, Operands("", ""));
}

TEST(PlusMinus, Mod2PiTakesExactlyOneTurnDownToZero) {
    EXPECT_EQ(Mod2Pi(TwoPi), 0.0);
    EXPECT_EQ(Mod2Pi(-TwoPi), 0.0);
    EXPECT_EQ(Mod2Pi(0.0), 0.0);
    EXPECT_DOUBLE_EQ(Mod2Pi(-1), TwoPi - 1);
}

TEST(ChangeSign, FlipsUnlessAllFieldsAreEmpty) {
    struct Row {
        const char* name;
        const char* d;
        const char* m;
        const char* s;
        const char* signBefore;
        const char* signAfter;
        const char* dAfter;
    };
    const Row rows[] = {
        {"positive to negative", "30", "", "", "", "-", "30"},
        {"negative to positive", "30", "", "", "-", "", "30"},
        {"seconds alone count", "", "", "15", "", "-", ""},
        {"blanks are trimmed", " 30 ", "", "", "", "-", "30"},
        {"empty fields clear the sign", "", " ", "", "-", "", ""},
        {"empty fields keep an empty sign", "", "", "", "", "", ""},
    };
    for (const Row& row : rows) {
        EntryFields fields;
        fields.degrees = row.d;
        fields.minutes = row.m;
        fields.seconds = row.s;
        fields.sign = row.signBefore;
        const Outcome outcome = ChangeSign(fields, true);
        EXPECT_EQ(fields.sign, row.signAfter) << row.name;
        EXPECT_EQ(fields.degrees, row.dAfter) << row.name;
        EXPECT_EQ(outcome.focus, FocusTarget::Deg2RadButton) << row.name;
    }
    EntryFields fields;
    EXPECT_EQ(ChangeSign(fields, false).focus, FocusTarget::Unchanged);
}
