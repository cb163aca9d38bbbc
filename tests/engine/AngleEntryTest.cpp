#include "AngleEntry.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(ParseAngleField, AcceptsDigitsAndOneSeparatorOnly) {
    struct Row {
        const char* text;
        double value; // -1 with bad
        bool bad;
        bool comma;
    };
    const Row rows[] = {
        {"30", 30, false, false},    {"30.5", 30.5, false, false}, {"30,5", 30.5, false, true},
        {"", 0, false, false},       {".", 0, false, false},       {",", 0, false, true},
        {"5.", 5, false, false},     {",5", 0.5, false, true},     {"30,5.2", -1, true, true},
        {"1.2.3", -1, true, false},  {"1,2,3", -1, true, true},    {"-5", -1, true, false},
        {"+5", -1, true, false},     {" 5", -1, true, false},      {"5 ", -1, true, false},
        {"1e3", -1, true, false},    {"30°", -1, true, false},     {"&H1F", -1, true, false},
        {"00012", 12, false, false},
    };
    for (const Row& row : rows) {
        bool bad = false;
        bool comma = !row.comma;
        EXPECT_EQ(ParseAngleField(row.text, bad, comma), row.value) << row.text;
        EXPECT_EQ(bad, row.bad) << row.text;
        EXPECT_EQ(comma, row.comma) << row.text;
    }
}

TEST(ParseAngleField, OneBadFlagCollectsSeveralFields) {
    bool bad = false;
    bool comma = false;
    ParseAngleField("x", bad, comma);
    EXPECT_EQ(ParseAngleField("30", bad, comma), 30);
    EXPECT_TRUE(bad);
}
