#include "WholeAngle.h"

#include "Decimal.h"
#include "StrProc.h"

#include <algorithm>
#include <array>
#include <string>

namespace orvanel {
namespace {

enum Unit { Degrees = 0, Minutes = 1, Seconds = 2, None = 3 };

struct Marker {
    std::string_view text;
    Unit unit;
};

// Separators first, as the most common; markers that share a first byte are listed longer
// first: '' is seconds, not two minute marks, and "deg" is one mark, not "d" and letters.
// Only "deg" is matched in any letter case ("Deg", "DEG"): a capital S or M means more.
constexpr std::array<Marker, 23> kMarkers = {{{" ", None},
                                              {":", None},
                                              {"\t", None},
                                              {"''", Seconds},
                                              {"\u00B4\u00B4", Seconds}, // ´´
                                              {"\u2019\u2019", Seconds}, // ’’
                                              {"\u00B0", Degrees},       // °
                                              {"\u00BA", Degrees},       // º
                                              {"\u02DA", Degrees},       // ˚
                                              {"d", Degrees},
                                              {"D", Degrees},
                                              {"'", Minutes},
                                              {"\u2032", Minutes}, // ′
                                              {"\u2019", Minutes}, // ’
                                              {"\u2018", Minutes}, // ‘
                                              {"\u00B4", Minutes}, // ´
                                              {"m", Minutes},
                                              {"M", Minutes},
                                              {"\"", Seconds},
                                              {"\u2033", Seconds}, // ″
                                              {"\u201D", Seconds}, // ”
                                              {"\u201C", Seconds}, // “
                                              {"s", Seconds}}};

// Leading signs: the hyphen-minus, the minus sign and the en dash people paste for it.
constexpr std::array<std::string_view, 4> kSigns = {"-", "+", "\u2212", "\u2013"};

bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The hemisphere `word` names: 'N', 'E', 'S' or 'W' for a whole word in any letter case
// ("North", "south") or its initial; 0 for anything else.
char HemisphereOf(std::string_view word) {
    constexpr std::array<std::string_view, 4> kWords = {"north", "east", "south", "west"};
    if (word.empty() || word.size() > 5) {
        return 0;
    }
    if (word.size() == 1) {
        const auto at = std::string_view("NESWnesw").find(word[0]);
        return at == std::string_view::npos ? 0 : "NESW"[at % 4];
    }
    const std::string folded = FoldToLower(word);
    for (std::string_view name : kWords) {
        if (folded == name) {
            return static_cast<char>(name[0] - 'a' + 'A');
        }
    }
    return 0;
}

// Takes a hemisphere word or letter from the start of `text`; 0 when there is none.
char TakeLeadingHemisphere(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && IsLetter(text[length])) {
        ++length;
    }
    const char hemisphere = HemisphereOf(text.substr(0, length));
    if (hemisphere != 0) {
        text = TrimBlanks(text.substr(length));
    }
    return hemisphere;
}

// Takes a hemisphere word or letter from the end of `text`; 0 when there is none. A lower-case
// "s" straight after a number is the seconds mark ("15s"), after anything else south.
char TakeTrailingHemisphere(std::string_view& text) {
    std::size_t start = text.size();
    while (start > 0 && IsLetter(text[start - 1])) {
        --start;
    }
    const std::string_view word = text.substr(start);
    if (word == "s" && start > 0 && IsNumberChar(text[start - 1])) {
        return 0;
    }
    const char hemisphere = HemisphereOf(word);
    if (hemisphere != 0) {
        text = TrimBlanks(text.substr(0, start));
    }
    return hemisphere;
}

// Takes a leading sign; '-' for any minus, '+', or 0 when there is none.
char TakeSign(std::string_view& text) {
    for (std::string_view sign : kSigns) {
        if (text.starts_with(sign)) {
            text = TrimBlanks(text.substr(sign.size()));
            return sign == "+" ? '+' : '-';
        }
    }
    return 0;
}

// The marker at the start of `text`, its length in `length`; nullptr when none is there.
const Marker* MarkerAt(std::string_view text, std::size_t& length) {
    static constexpr Marker kDeg = {"deg", Degrees};
    if ((text[0] == 'd' || text[0] == 'D') && text.size() >= 3 &&
        FoldToLower(text.substr(0, 3)) == "deg") {
        length = 3;
        return &kDeg;
    }
    for (const Marker& marker : kMarkers) {
        if (marker.text[0] == text[0] && text.starts_with(marker.text)) {
            length = marker.text.size();
            return &marker;
        }
    }
    return nullptr;
}

// A part's digits as the fields read them: valid with at most one "." or ",". Its whole part
// without leading zeros, and whether a digit after the separator is not zero.
struct PartNumber {
    bool valid = true;
    std::string_view whole;
    bool fraction = false;
};

PartNumber Inspect(std::string_view text) {
    const ScannedNumber scanned = ScanNumber(text);
    return {scanned.valid, scanned.whole,
            scanned.fraction.find_first_not_of('0') != std::string_view::npos};
}

// How a part's number stands to a whole-number bound: below, equal, above; exactly, however
// many digits it has.
int CompareTo(const PartNumber& number, int bound) {
    if (number.whole.size() > 3) {
        return 1;
    }
    int value = 0;
    for (char c : number.whole) {
        value = value * 10 + (c - '0');
    }
    return value != bound ? (value < bound ? -1 : 1) : (number.fraction ? 1 : 0);
}

// Puts each number into the part its unit names, or the next part for an unmarked number, and
// checks each part as it is completed, so that the first problem from the left is the one told.
class Parts {
  public:
    explicit Parts(AngleLimits limits) : m_limits(limits) {}

    void addDigit(char c) { m_pending += c; }

    // The number typed so far ends at a marker of `unit`.
    AngleProblem mark(Unit unit) {
        if (unit == None && m_pending.empty()) {
            return AngleProblem::None; // separators may repeat: "45  30", "45° 30'"
        }
        if (m_pending.empty()) {
            return AngleProblem::EmptyField; // a unit mark needs a number before it
        }
        const int part = unit == None ? m_next : unit;
        if (part < m_next || part > Seconds) {
            return AngleProblem::TooManyFields;
        }
        m_parts[static_cast<std::size_t>(part)] = std::move(m_pending);
        m_pending.clear();
        m_next = part + 1;
        m_numberSinceColon = true;
        return check(part);
    }

    // Colon fields are counted by position, so none of them may be empty: "4::5", ":4:5" and
    // "4:5:" are refused rather than read with their parts moved up a unit.
    AngleProblem colon() {
        if (const AngleProblem problem = mark(None); problem != AngleProblem::None) {
            return problem;
        }
        if (!m_numberSinceColon) {
            return AngleProblem::EmptyField;
        }
        m_numberSinceColon = false;
        m_afterColon = true;
        return AngleProblem::None;
    }

    AngleProblem finish() {
        if (const AngleProblem problem = mark(None); problem != AngleProblem::None) {
            return problem;
        }
        const bool nothing = m_parts[0].empty() && m_parts[1].empty() && m_parts[2].empty();
        return (m_afterColon && !m_numberSinceColon) || nothing ? AngleProblem::EmptyField
                                                                : AngleProblem::None;
    }

    std::array<std::string, 3>& parts() { return m_parts; }

  private:
    // The part just completed: a number, within its range, and 360° only as a whole turn.
    AngleProblem check(int part) {
        const PartNumber number = Inspect(m_parts[static_cast<std::size_t>(part)]);
        if (!number.valid) {
            return AngleProblem::NotANumber;
        }
        if (part == Degrees) {
            m_degrees = number;
            return CompareTo(number, 360) > 0 ? AngleProblem::DegreesOutOfRange
                                              : AngleProblem::None;
        }
        const bool zero = number.whole.empty() && !number.fraction;
        if (!zero && CompareTo(m_degrees, 360) == 0) {
            return AngleProblem::DegreesOutOfRange;
        }
        const bool beyond = m_limits == AngleLimits::EntryFields ? CompareTo(number, 59) > 0
                                                                 : CompareTo(number, 60) >= 0;
        if (!beyond) {
            return AngleProblem::None;
        }
        return part == Minutes ? AngleProblem::MinutesOutOfRange : AngleProblem::SecondsOutOfRange;
    }

    AngleLimits m_limits;
    std::array<std::string, 3> m_parts;
    PartNumber m_degrees; // of m_parts[0], which holds its text
    std::string m_pending;
    int m_next = Degrees; // the unit an unmarked number takes
    bool m_numberSinceColon = false;
    bool m_afterColon = false;
};

// A minus with any hemisphere, or a plus with S or W: not a double negative, a mistake.
bool Contradicts(char sign, char hemisphere) {
    return hemisphere != 0 &&
           (sign == '-' || (sign == '+' && (hemisphere == 'S' || hemisphere == 'W')));
}

AngleProblem ReadBody(std::string_view text, Parts& parts) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        AngleProblem problem = AngleProblem::None;
        if (IsNumberChar(text[i])) {
            parts.addDigit(text[i++]);
        } else if (const Marker* marker = MarkerAt(text.substr(i), length)) {
            problem = marker->text == ":" ? parts.colon() : parts.mark(marker->unit);
            i += length;
        } else {
            problem = AngleProblem::NotANumber;
        }
        if (problem != AngleProblem::None) {
            return problem;
        }
    }
    return parts.finish();
}

WholeAngle Refused(AngleProblem problem) {
    WholeAngle angle;
    angle.problem = problem;
    return angle;
}

} // namespace

std::string_view ProblemText(AngleProblem problem) {
    switch (problem) {
    case AngleProblem::None:
        return "";
    case AngleProblem::TwoHemispheres:
        return "Two hemispheres";
    case AngleProblem::SignAndHemisphere:
        return "A sign and a hemisphere";
    case AngleProblem::EmptyField:
        return "An empty field";
    case AngleProblem::NotANumber:
        return "Not a number";
    case AngleProblem::TooManyFields:
        return "Too many fields";
    case AngleProblem::DegreesOutOfRange:
        return "Degrees out of range";
    case AngleProblem::MinutesOutOfRange:
        return "Minutes out of range";
    case AngleProblem::SecondsOutOfRange:
        return "Seconds out of range";
    case AngleProblem::NotAPackedAngle:
        return "Not a packed angle";
    }
    return "";
}

Direction TakeDirection(std::string_view& text) {
    text = TrimBlanks(text);
    char sign = TakeSign(text);
    const char leading = TakeLeadingHemisphere(text);
    if (sign == 0 && leading != 0) {
        sign = TakeSign(text); // "N -45", "N +45"
    }
    const char trailing = TakeTrailingHemisphere(text);
    const char hemisphere = leading != 0 ? leading : trailing;
    Direction direction;
    direction.negative = sign == '-' || hemisphere == 'S' || hemisphere == 'W';
    if (Contradicts(sign, leading)) {
        direction.atStart = AngleProblem::SignAndHemisphere;
    }
    if (leading != 0 && trailing != 0) {
        direction.atEnd = AngleProblem::TwoHemispheres;
    } else if (Contradicts(sign, trailing)) {
        direction.atEnd = AngleProblem::SignAndHemisphere;
    }
    return direction;
}

WholeAngle ReadWholeAngle(std::string_view text, AngleLimits limits) {
    const Direction direction = TakeDirection(text);
    if (direction.atStart != AngleProblem::None) {
        return Refused(direction.atStart);
    }
    Parts parts(limits);
    if (const AngleProblem problem = ReadBody(text, parts); problem != AngleProblem::None) {
        return Refused(problem);
    }
    if (direction.atEnd != AngleProblem::None) {
        return Refused(direction.atEnd);
    }
    WholeAngle angle;
    EntryFields& fields = angle.fields;
    fields.degrees = std::move(parts.parts()[0]);
    fields.minutes = std::move(parts.parts()[1]);
    fields.seconds = std::move(parts.parts()[2]);
    fields.sign = direction.negative ? "-" : "";
    return angle;
}

} // namespace orvanel
