#include "Calculator.h"

#include "Rad2Deg.h"
#include "StrProc.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace orvanel {
namespace {

Outcome Refuse(std::string_view text, std::string_view title, MessageStyle style,
               FocusTarget focus) {
    Outcome outcome;
    outcome.message = Message{std::string(text), std::string(title), style};
    outcome.focus = focus;
    return outcome;
}

// A magnitude typed as one turn to four decimals (6.2832) counts as exactly one turn.
double SnapToFullTurn(double r) {
    return r >= TwoPi && r <= 6.2832 ? TwoPi : r;
}

bool WithinOneTurn(double x) {
    return x >= -TwoPi && x <= TwoPi;
}

std::string DecimalText(double x, int decimals, bool commaMode, const NumberFormat& format) {
    return ApplySeparator(AddLeadingZero(FormatFixed(x, decimals, format)), commaMode);
}

// Whole degrees with decimal minutes, the minutes measured from the whole degrees shown.
std::string DecimalMinutesText(double r, const CalcSettings& settings, bool commaMode) {
    const int decimals = ResolveDecimals(DecimalMinutesDecimals(settings.sigFigs), settings.format);
    const DegreesAndMinutes split = SplitDecimalMinutes(DegreesOf(std::fabs(r)), decimals);
    return DegreeText(ShowsMinus(r) ? "-" : "", IntToStr(split.d),
                      DecimalText(split.minutes, decimals, commaMode, settings.format));
}

std::string DegreePart(double r, const CalcSettings& settings, bool commaMode) {
    const OutputOptions& options = settings.options;
    if (options.outputInDecimal && options.decimalDegrees) {
        return DecimalText(DegreesOf(r), DecimalDegreesDecimals(settings.sigFigs), commaMode,
                           settings.format) +
               "°";
    }
    if (options.outputInDecimal) {
        return DecimalMinutesText(r, settings, commaMode);
    }
    return options.roundToMinutes ? Rad2DegMin(r) : Rad2DegMinSec(r);
}

// Reads an operand of the adder; when it lies within one turn, rounds it and writes it back
// in its short form. Nothing when it is out of range (the field is then left as typed).
std::optional<double> TakeOperand(std::string& field, bool commaMode, int decimals) {
    const double x = ReadFieldNumber(field, commaMode);
    if (!WithinOneTurn(x)) {
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(x, decimals);
    field = ApplySeparator(AddLeadingZero(GeneralNumberText(rounded)), commaMode);
    return rounded;
}

// Trims the degrees, minutes and seconds fields; true when all three are then empty.
bool TrimDmsFields(EntryFields& fields) {
    for (std::string* field : {&fields.degrees, &fields.minutes, &fields.seconds}) {
        if (const std::string_view trimmed = Trimmed(*field, " "); trimmed.size() < field->size()) {
            *field = std::string(trimmed); // copied only when there was something to trim
        }
    }
    return fields.degrees.empty() && fields.minutes.empty() && fields.seconds.empty();
}

// The range message for a readable angle, in the order the fields are checked; none when
// the angle is within one turn.
std::optional<Outcome> RangeRefusal(double d, double m, double s) {
    if (!(d >= 0 && d <= 360) || (d == 360 && (m > 0 || s > 0))) {
        return Refuse("Degrees out of range", kDeg2RadCaption, MessageStyle::Information,
                      FocusTarget::Degrees);
    }
    if (!(m >= 0 && m <= 59)) {
        return Refuse("Minutes out of range", kDeg2RadCaption, MessageStyle::Information,
                      FocusTarget::Minutes);
    }
    if (!(s >= 0 && s <= 59)) {
        return Refuse("Seconds out of range", kDeg2RadCaption, MessageStyle::Information,
                      FocusTarget::Seconds);
    }
    return std::nullopt;
}

} // namespace

Message InvalidAngleMessage() {
    return {"Invalid input for degrees, minutes or seconds.", std::string(kDeg2RadCaption),
            MessageStyle::Exclamation};
}

Outcome ConvertDegreesToRadians(EntryFields& fields, const CalcSettings& settings) {
    if (TrimDmsFields(fields)) {
        return {};
    }
    for (std::string* field : {&fields.degrees, &fields.minutes, &fields.seconds}) {
        if (field->empty()) {
            *field = "0";
        }
    }
    bool bad = false;
    bool degreesComma = false;
    bool otherComma = false; // the minutes and seconds fields do not choose the separator
    const double d = ParseAngleField(fields.degrees, bad, degreesComma);
    const double m = ParseAngleField(fields.minutes, bad, otherComma);
    const double s = ParseAngleField(fields.seconds, bad, otherComma);
    if (bad) {
        Outcome outcome;
        outcome.message = InvalidAngleMessage();
        return outcome;
    }
    if (auto refusal = RangeRefusal(d, m, s)) {
        return *refusal;
    }

    const double total = (m / 60 + d) + s / 3600;
    const double r = (total / 360) * TwoPi;
    const std::string sign = fields.sign.empty() ? "" : "-";
    fields.radians = ApplySeparator(
        sign + FormatFixed(r, RadiansDecimals(settings.sigFigs), settings.format), degreesComma);

    // The typed angle is echoed in its short form, with the degrees field's separator.
    Outcome outcome;
    outcome.result.echo = ApplySeparator(
        DegreeText(sign, GeneralNumberText(d), GeneralNumberText(m), GeneralNumberText(s)),
        degreesComma);
    outcome.result.value = fields.radians;
    outcome.result.unit = "radians";
    outcome.paneCommas = degreesComma;
    return outcome;
}

Outcome ConvertRadiansToDegrees(EntryFields& fields, const CalcSettings& settings) {
    if (fields.radians.empty()) {
        return {};
    }
    const bool commaMode = HasComma(fields.radians);
    const double v = ReadFieldNumber(fields.radians, commaMode);
    const bool negative = v < 0;
    double r = SnapToFullTurn(std::fabs(v));
    if (!(r <= TwoPi)) {
        return Refuse("Radians out of range", kRad2DegCaption, MessageStyle::Information,
                      FocusTarget::Radians);
    }
    // Rounding can lift a value just below one turn into the snap range, hence the second snap.
    r = SnapToFullTurn(RoundHalfEven(r, settings.sigFigs));
    fields.radians = (negative ? "-" : "") +
                     DecimalText(r, RadiansDecimals(settings.sigFigs), commaMode, settings.format);

    const bool toMinutes = settings.options.roundToMinutes;
    const Dms dms = SplitDegrees(DegreesOf(r), toMinutes);
    fields.degrees = IntToStr(dms.d);
    fields.minutes = IntToStr(dms.m);
    fields.seconds = toMinutes ? "" : IntToStr(dms.s);
    fields.sign = negative ? "-" : "";

    Outcome outcome;
    const bool oneRadian = fields.radians == "1" || fields.radians == "-1";
    outcome.result.echo = fields.radians;
    outcome.result.echoUnit = oneRadian ? "radian" : "radians";
    outcome.result.value = DegreePart(negative ? -r : r, settings, commaMode);
    return outcome;
}

double Mod2Pi(double x) {
    while (x < 0) {
        x += TwoPi;
    }
    while (x >= TwoPi) {
        x -= TwoPi;
    }
    return x;
}

Outcome PlusMinus(EntryFields& fields, PlusMinusIndex index, const CalcSettings& settings) {
    if (index == PlusMinusIndex::Move) {
        fields.toAdd = fields.radians;
        fields.radians.clear();
        return {};
    }
    if (fields.toAdd.empty()) {
        return {};
    }
    if (fields.radians.empty()) {
        fields.radians = "0";
    }
    const bool add = index == PlusMinusIndex::Add;
    // "Subtract'" with its stray quote is the title users have always seen; kept on purpose.
    const std::string_view title = add ? "Add" : "Subtract'";
    // Only reachable before a precision is chosen, which the start-up sequence does at once.
    const int decimals = std::max(RadiansDecimals(settings.sigFigs), 0);
    const bool commaMode = HasComma(fields.radians);

    const std::optional<double> x1 = TakeOperand(fields.radians, commaMode, decimals);
    if (!x1) {
        return Refuse("Radians out of range", title, MessageStyle::Information,
                      FocusTarget::Radians);
    }
    const std::string a = fields.radians;
    const std::optional<double> x2 = TakeOperand(fields.toAdd, commaMode, decimals);
    if (!x2) {
        return Refuse("Second value out of range", title, MessageStyle::Information,
                      FocusTarget::ToAdd);
    }
    const std::string b = fields.toAdd;

    // FormatFixed rounds the sum the same way the operands were rounded. A sum that rounds to
    // a full turn is zero modulo one turn: shown as 6.28319 it would exceed the range, and the
    // next addition would refuse the program's own result.
    double x = Mod2Pi(add ? *x1 + *x2 : *x1 - *x2);
    if (RoundHalfEven(x, decimals) >= TwoPi) {
        x = 0;
    }
    fields.radians = ApplySeparator(FormatFixed(x, decimals, settings.format), commaMode);

    Outcome outcome;
    if (settings.options.showPlusMinus) {
        std::string& echo = outcome.result.echo;
        echo.reserve(a.size() + b.size() + 12);
        echo += '(';
        echo += a;
        echo += add ? " + " : " - ";
        echo += b;
        echo += ") mod 2pi";
        outcome.result.value = fields.radians;
    }
    return outcome;
}

Outcome ChangeSign(EntryFields& fields, bool deg2RadFocusable) {
    if (TrimDmsFields(fields)) {
        fields.sign.clear();
    } else {
        fields.sign = fields.sign == "-" ? "" : "-";
    }
    Outcome outcome;
    if (deg2RadFocusable) {
        outcome.focus = FocusTarget::Deg2RadButton;
    }
    return outcome;
}

} // namespace orvanel
