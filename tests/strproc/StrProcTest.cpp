#include "StrProc.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(StrProc, CountOccurrencesIsNonOverlappingAndExact) {
    struct Row {
        const char* text;
        const char* pattern;
        int count;
    };
    const Row rows[] = {
        {"1,2,3", ",", 2}, {"aaa", "aa", 1}, {"", ",", 0},   {"abc", "", 0},
        {"AbA", "a", 0},   {"a.b.", ".", 2}, {"°°", "°", 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CountOccurrences(row.text, row.pattern), row.count) << row.text;
    }
}

TEST(StrProc, IntToStrHasNoLeadingBlank) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(360), "360");
    EXPECT_EQ(IntToStr(-57), "-57");
}

TEST(StrProc, SafeLeftCountsCharactersNotBytes) {
    EXPECT_EQ(SafeLeft("héllo", 2), "hé");
    EXPECT_EQ(SafeLeft("abc", 0), "");
    EXPECT_EQ(SafeLeft("abc", -4), "");
    EXPECT_EQ(SafeLeft("abc", 3), "abc");
    EXPECT_EQ(SafeLeft("abc", 99), "abc");
}

TEST(StrProc, ReplaceNoCaseFoldsAsciiAndLatinCapitals) {
    struct Row {
        const char* text;
        const char* find;
        const char* replacement;
        const char* expected;
    };
    const Row rows[] = {
        {"http://a.b/", "http:", "https:", "https://a.b/"},
        {"HTTP://A.B/", "http:", "https:", "https://A.B/"},
        {"hTtP:x hTTp:y", "http:", "https:", "https:x https:y"},
        {"https://a.b/", "http:", "https:", "https://a.b/"},
        {"ftp://a.b/", "http:", "https:", "ftp://a.b/"},
        {"ÀÉÎ-àéî", "àéî", "x", "x-x"},
        {"ŠŸ", "šÿ", "ok", "ok"},
        {"aaa", "a", "aa", "aaaaaa"}, // resumes after the inserted text, never loops
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReplaceNoCase(row.text, row.find, row.replacement), row.expected) << row.text;
    }
}

TEST(StrProc, TrimBlanksRemovesSpacesOnly) {
    EXPECT_EQ(TrimBlanks("  30 "), "30");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\t3\t"), "\t3\t");
}
