#include "StrProc.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(StrProc, CountOccurrencesIsNonOverlappingAndExact) {
    EXPECT_EQ(CountOccurrences("1,2,3", ","), 2);
    EXPECT_EQ(CountOccurrences("aaa", "aa"), 1);
    EXPECT_EQ(CountOccurrences("AbA", "a"), 0);
    EXPECT_EQ(CountOccurrences("", ","), 0);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
}

TEST(StrProc, SafeLeftCountsCharactersNotBytes) {
    EXPECT_EQ(SafeLeft("héllo", 2), "hé");
    EXPECT_EQ(SafeLeft("abc", -4), "");
    EXPECT_EQ(SafeLeft("abc", 99), "abc");
}

// clang-format off
TEST(StrProc, ReplaceNoCaseFoldsAsciiAndLatinCapitals) {
    struct Row { const char* text; const char* find; const char* replacement; const char* expected; };
    const Row rows[] = {
        {"http://a.b/",    "http:", "https:", "https://a.b/"},
        {"HTTP://A.B/",    "http:", "https:", "https://A.B/"},
        {"hTtP:x hTTp:y",  "http:", "https:", "https:x https:y"},
        {"https://a.b/",   "http:", "https:", "https://a.b/"},
        {"ÀÉÎ-àéî",        "àéî",   "x",      "x-x"},
        {"ŠŸ",             "šÿ",    "ok",     "ok"},
        {"aaa",            "a",     "aa",     "aaaaaa"}, // resumes after the inserted text, never loops
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReplaceNoCase(row.text, row.find, row.replacement), row.expected) << row.text;
    }
}
// clang-format on
