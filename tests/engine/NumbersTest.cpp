#include "Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orvanel;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
}

TEST(Numbers, TwoPiIsTheFifteenDigitConstantNotTheNearestDouble) {
    EXPECT_EQ(TwoPi, 6.28318530717959);
    EXPECT_GT(TwoPi, 6.283185307179586);
}

// clang-format off
TEST(Numbers, LeadingNumberRule) {
    struct Row { const char* text; double value; };
    const Row rows[] = {
        {"30", 30}, {"30.5", 30.5}, {"", 0}, {"abc", 0}, {",5", 0}, {".", 0}, {".5", 0.5},
        {"1.2.3", 1.2}, {"1,5", 1}, {" 1 2 ", 12}, {"\t-\n1", -1}, {"+2", 2}, {"-.5", -0.5},
        {"1e3", 1000}, {"1D2", 100}, {"2d-1", 0.2}, {"1E", 1}, {"1e+", 1}, {"1e5.5", 1e5},
        {"12abc", 12}, {"&H1F", 31}, {"&hff", 255}, {"&O17", 15}, {"&H", 0}, {"--5", 0},
        {"-", 0}, {"inf", 0}, {"nan", 0}, {"infinity", 0}, {"0x1p3", 0}, {"5°", 5},
        {"\u22121", 0}, {"1E-999", 0}, {"0.0001E310", 1e306}, {"9E999", kInf}, {"-9E999", -kInf},
        {"1e99999999999999999999", kInf}, {"6.28318530717959", TwoPi},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadLeadingNumber(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(Numbers, GeneralNumberText) {
    struct Row { double value; const char* text; };
    const Row rows[] = {
        {0, "0"}, {-0.0, "0"}, {30, "30"}, {12.5, "12.5"}, {0.5, ".5"}, {-0.5, "-.5"},
        {0.0001, ".0001"}, {0.00001, "1E-05"}, {0.000001, "1E-06"}, {-0.0000025, "-2.5E-06"},
        {0.1 + 0.2, ".3"}, {123456789012345.0, "123456789012345"}, {1e15, "1E+15"},
        {1.5e300, "1.5E+300"}, {TwoPi, "6.28318530717959"}, {1.0 / 3, ".333333333333333"},
        {99999.99999999999, "100000"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GeneralNumberText(row.value), row.text) << row.value;
    }
}

TEST(Numbers, FormatFixedWithPointAndCommaLocales) {
    const NumberFormat point;
    NumberFormat comma;
    comma.decimalSeparator = ",";
    comma.groupSeparator = ".";
    NumberFormat noZero;
    noZero.leadingZero = false;
    NumberFormat minus;
    minus.negativeSign = "\u2212";
    struct Row { double x; int decimals; const NumberFormat& format; const char* text; };
    const Row rows[] = {
        {0.5235987755982988, 5, point, "0.52360"}, {1, -1, point, "1.00"}, {1, 0, point, "1"},
        {1234567.5, 1, point, "1,234,567.5"}, {-143.23944878, 4, point, "-143.2394"},
        {-143.23944878, 4, comma, "-143,2394"}, {1234.5, 2, comma, "1.234,50"},
        {0.25, 2, noZero, ".25"}, {-1.5, 1, minus, "\u22121.5"}, {kInf, 2, point, "0.00"},
        // exact binary halves go to the even neighbour
        {0.125, 2, point, "0.12"}, {0.375, 2, point, "0.38"}, {2.5, 0, point, "2"},
        // a value that rounds to zero carries no minus sign
        {-0.00004, 4, point, "0.0000"}, {-0.0, 2, point, "0.00"}, {-0.00005001, 4, point, "-0.0001"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatFixed(row.x, row.decimals, row.format), row.text) << row.x;
    }
}

TEST(Numbers, RoundHalfEvenDecidesOnTheStoredDouble) {
    struct Row { double x; int decimals; double rounded; };
    const Row rows[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {1.5, -1, 2},
        {2.675, 2, 2.67}, // stored just below the half
        {TwoPi, 6, 6.283185}, {TwoPi, 7, 6.2831853}, {0.71681469282041, 5, 0.71681},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RoundHalfEven(row.x, row.decimals), row.rounded) << row.x;
    }
}
// clang-format on

TEST(Numbers, LeadingZeroAndSeparatorRules) {
    EXPECT_EQ(AddLeadingZero(".25"), "0.25");
    EXPECT_EQ(AddLeadingZero("-.25"), "-.25");
    EXPECT_EQ(AddLeadingZero(",25"), ",25");
    EXPECT_EQ(ApplySeparator("1.5", true), "1,5");
    EXPECT_EQ(ApplySeparator("1,5", false), "1.5");
}
