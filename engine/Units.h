#pragma once
// Angles in every unit people write them in, converted exactly: a unit is a number of it to the
// turn, and between two units whose turns are both rational the result is the exact value of
// the digits typed, rounded once, halves to even. (The radian's family, whose turn is 2π, is
// converted within itself here: rad and mrad are a thousand apart.)

#include "Decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanel::units {

enum class Unit {
    Degree,
    Gon,
    Mil,     // NATO's, 6400 to the turn
    Mil6000, // 6000 to the turn
    Mil6300, // the Swedish, 6300 to the turn
    Turn,
    Hour, // of right ascension, 24 to the turn
    Arcminute,
    Arcsecond,
    Radian,
    Milliradian,
};

struct UnitRow {
    Unit unit;
    std::string_view name;
    std::uint32_t perTurn; // times π for the radian's family
    bool timesPi = false;
};

inline constexpr std::array<UnitRow, 11> kUnits = {{
    {Unit::Degree, "deg", 360},
    {Unit::Gon, "gon", 400},
    {Unit::Mil, "mil", 6400},
    {Unit::Mil6000, "mil6000", 6000},
    {Unit::Mil6300, "mil6300", 6300},
    {Unit::Turn, "turn", 1},
    {Unit::Hour, "hours", 24},
    {Unit::Arcminute, "arcmin", 21600},
    {Unit::Arcsecond, "arcsec", 1296000},
    {Unit::Radian, "rad", 2, true},
    {Unit::Milliradian, "mrad", 2000, true},
}};

constexpr const UnitRow& RowOf(Unit unit) {
    return kUnits[static_cast<std::size_t>(unit)];
}

// Where a result is brought back into one turn: nowhere, [0, a turn), or (-half, +half].
enum class Wrap { None, Full, Half };

// An angle as typed: its exact magnitude and sign, in a unit.
struct Angle {
    Decimal magnitude;
    bool negative = false;
    Unit unit = Unit::Degree;
};

enum class Sexagesimal {
    Dms,    // 45°30'15.00": `decimals` for the seconds
    DegMin, // 45°30.2500': `decimals` for the minutes
    Dm,     // 45°30': whole minutes
    Hms,    // 12h30m15.00s, of hours, minutes and seconds in two digits: 3h02m01.00s
};

// A constant between lo / 10^digits and hi / 10^digits.
struct ConstantBounds {
    BigWhole lo, hi;
    int digits = 0;
};

// Converts angles between units. Between the radian's family and the others it needs π (or
// 1/π) to enough digits for each angle, which it keeps to the most digits asked for so far: a
// file of angles works them out once, not once a line.
class Converter {
  public:
    // `angle` in `to` with `decimals` decimals and `point` for the decimal point: "50.000000",
    // "-0.125". The range of `wrap` applies to the value as rounded, so the text is always
    // inside it; a result that rounds to zero has no minus. Nothing for a wrap of the radian's
    // family, which is judged on the exact value.
    std::optional<std::string> text(const Angle& angle, Unit to, int decimals, Wrap wrap,
                                    char point = '.');

    // `angle` in degrees, minutes and seconds (hours for Hms), the last part rounded on the
    // exact value and carried, so that no 60 is ever shown. As text() otherwise.
    std::optional<std::string> sexagesimal(const Angle& angle, Sexagesimal form, int decimals,
                                           Wrap wrap, char point = '.');

  private:
    std::optional<std::string> count(const Angle& angle, std::uint32_t toPerTurn, bool toTimesPi,
                                     int decimals);
    ConstantBounds constant(bool inverse, int digits);

    ConstantBounds m_pi, m_inversePi;
};

} // namespace orvanel::units
