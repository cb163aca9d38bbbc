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

TEST(Property, DegreesToRadiansAndBackKeepsTheAngle) {
    std::mt19937_64 random(5540);
    std::uniform_int_distribution<int> degrees(0, 359);
    std::uniform_int_distribution<int> sixty(0, 59);
    for (int sigFigs = 5; sigFigs <= 8; ++sigFigs) {
        // The radians text carries sigFigs - 1 decimals: half a unit of that, in seconds of arc,
        // plus half a second for the whole seconds shown.
        const double tolerance =
            0.5 * std::pow(10.0, -(sigFigs - 1)) / TwoPi * 360 * 3600 + 0.5 + 1e-9;
        for (int i = 0; i < 2000; ++i) {
            EntryFields fields;
            fields.degrees = IntToStr(degrees(random));
            fields.minutes = IntToStr(sixty(random));
            fields.seconds = IntToStr(sixty(random));
            const double typed = Seconds(fields);
            ASSERT_FALSE(ConvertDegreesToRadians(fields, Settings(sigFigs)).message);
            ASSERT_FALSE(ConvertRadiansToDegrees(fields, Settings(sigFigs)).message);
            ASSERT_LE(std::fabs(Seconds(fields) - typed), std::max(tolerance, 1.0))
                << fields.radians;
        }
    }
}

TEST(Property, RadiansToDmsAndBackAgreesWithinTheDisplayPrecision) {
    std::mt19937_64 random(1440);
    std::uniform_real_distribution<double> turn(-TwoPi, TwoPi);
    const double halfSecond = 0.5 / 3600 / 360 * TwoPi;
    for (int sigFigs = 5; sigFigs <= 8; ++sigFigs) {
        const double halfUnit = 0.5 * std::pow(10.0, -(sigFigs - 1));
        for (int i = 0; i < 2000; ++i) {
            EntryFields fields;
            fields.radians = GeneralNumberText(turn(random));
            ASSERT_FALSE(ConvertRadiansToDegrees(fields, Settings(sigFigs)).message);
            const double shown = ReadLeadingNumber(fields.radians);
            ASSERT_FALSE(ConvertDegreesToRadians(fields, Settings(sigFigs)).message);
            const double back = ReadLeadingNumber(fields.radians);
            ASSERT_LE(std::fabs(back - shown), 2 * halfUnit + halfSecond + 1e-12)
                << "sigFigs " << sigFigs << ": " << shown << " came back as " << back;
        }
    }
}
