#include "Rad2Deg.h"
#include "Numbers.h"

#include <gtest/gtest.h>

using namespace orvanel;

// The two formatters differ in three points: the zero snap, the 0.00001° offset and the stop
// at 359°59'. Each row shows at least one of them.
TEST(Rad2Deg, FormattersAgreeWithTheTable) {
    struct Row {
        const char* name;
        double r;
        const char* min;
        const char* minSec;
    };
    const Row rows[] = {
        {"one radian", 1, "57°18'", "57°17'45\""},
        {"negative radian", -1, "-57°18'", "-57°17'45\""},
        {"half radian", 0.5, "28°39'", "28°38'52\""},
        {"minutes round up to the next degree", 1.0122, "58°0'", "57°59'41\""},
        {"a hair below 180", 3.14159, "180°0'", "179°59'59\""},
        {"stops at 359°59'", 6.2831, "359°59'", "359°59'42\""},
        {"seconds carry into a full turn", 6.283185, "359°59'", "360°0'0\""},
        {"offset counts it as 360", 6.2831853, "360°0'", "360°0'0\""},
        {"full turn", TwoPi, "360°0'", "360°0'0\""},
        {"a hair below one degree", 0.0174532, "1°0'", "1°0'0\""},
        {"tiny negative: only the seconds form keeps the sign", -0.0000005, "0°0'", "-0°0'0\""},
        {"zero", 0, "0°0'", "0°0'0\""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Rad2DegMin(row.r), row.min) << row.name;
        EXPECT_EQ(Rad2DegMinSec(row.r), row.minSec) << row.name;
    }
}
