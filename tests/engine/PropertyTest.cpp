// Randomised checks with a fixed seed: the same cases run every time.
#include "Calculator.h"
#include "StrProc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace orvanel;

namespace {

// Angular distance on the circle, in radians.
double TurnDistance(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), TwoPi);
    return std::min(d, TwoPi - d);
}

double Seconds(const EntryFields& f) {
    return (std::stod(f.degrees) * 3600 + std::stod(f.minutes) * 60 + std::stod(f.seconds));
}

CalcSettings Settings(int sigFigs) {
    CalcSettings settings;
    settings.sigFigs = sigFigs;
    return settings;
}

} // namespace

TEST(Property, AddingThenSubtractingReturnsToTheStart) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> turn(-TwoPi, TwoPi);
    for (int sigFigs = 5; sigFigs <= 8; ++sigFigs) {
        const double unit = std::pow(10.0, -(sigFigs - 1));
        for (int i = 0; i < 2000; ++i) {
            const double start = turn(random);
            EntryFields fields;
            fields.radians = GeneralNumberText(start);
            fields.toAdd = GeneralNumberText(turn(random));
            PlusMinus(fields, PlusMinusIndex::Add, Settings(sigFigs));
            PlusMinus(fields, PlusMinusIndex::Subtract, Settings(sigFigs));
            const double end = ReadLeadingNumber(fields.radians);
            ASSERT_LE(TurnDistance(start, end), 1.5 * unit + 1e-12)
                << "start " << start << " sigFigs " << sigFigs;
        }
    }
}

// Both ways round: degrees -> radians -> degrees keeps the typed angle, and radians -> degrees
// -> radians keeps the shown radians, each within what the texts in between can carry.
TEST(Property, ConversionsThereAndBackKeepTheAngle) {
    std::mt19937_64 random(5540);
    std::uniform_real_distribution<double> turn(-TwoPi, TwoPi);
    for (int sigFigs = 5; sigFigs <= 8; ++sigFigs) {
        const double halfUnit = 0.5 * std::pow(10.0, -(sigFigs - 1)); // of the radians shown
        const double halfUnitInSeconds = halfUnit / TwoPi * 360 * 3600;
        for (int i = 0; i < 2000; ++i) {
            EntryFields fields;
            fields.degrees = IntToStr(static_cast<int>(random() % 360));
            fields.minutes = IntToStr(static_cast<int>(random() % 60));
            fields.seconds = IntToStr(static_cast<int>(random() % 60));
            const double typed = Seconds(fields);
            ASSERT_FALSE(ConvertDegreesToRadians(fields, Settings(sigFigs)).message);
            ASSERT_FALSE(ConvertRadiansToDegrees(fields, Settings(sigFigs)).message);
            ASSERT_LE(std::fabs(Seconds(fields) - typed), std::max(halfUnitInSeconds + 0.5, 1.0));

            fields.radians = GeneralNumberText(turn(random));
            ASSERT_FALSE(ConvertRadiansToDegrees(fields, Settings(sigFigs)).message);
            const double shown = ReadLeadingNumber(fields.radians);
            ASSERT_FALSE(ConvertDegreesToRadians(fields, Settings(sigFigs)).message);
            ASSERT_LE(std::fabs(ReadLeadingNumber(fields.radians) - shown),
                      2 * halfUnit + 0.5 / 3600 / 360 * TwoPi + 1e-12)
                << "sigFigs " << sigFigs << ": " << shown << " came back as " << fields.radians;
        }
    }
}
