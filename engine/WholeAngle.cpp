#include "WholeAngle.h"

#include "StrProc.h"

#include <array>
#include <string>

namespace orvanel {
namespace {

enum Unit { Degrees = 0, Minutes = 1, Seconds = 2, None = 3 };

constexpr std::string_view kBlanks = " \t";

struct Marker {
    std::string_view text;
    Unit unit;
};

// Separators first, as the most common; markers that share a first byte are listed longer
// first: '' is seconds, not two minute marks, and "deg" is one mark, not "d" and letters.
constexpr std::array<Marker, 24> kMarkers = {{{" ", None},
                                              {":", None},
                                              {"\t", None},
                                              {"''", Seconds},
                                              {"\u00B4\u00B4", Seconds}, // ´´
                                              {"\u2019\u2019", Seconds}, // ’’
                                              {"\u00B0", Degrees},       // °
                                              {"\u00BA", Degrees},       // º
                                              {"\u02DA", Degrees},       // ˚
                                              {"deg", Degrees},
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

std::string_view Trim(std::string_view text) {
    return Trimmed(text, kBlanks);
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
        text = Trim(text.substr(length));
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
        text = Trim(text.substr(0, start));
    }
    return hemisphere;
}

// Takes a leading sign; '-' for any minus, '+', or 0 when there is none.
char TakeSign(std::string_view& text) {
    for (std::string_view sign : kSigns) {
        if (text.starts_with(sign)) {
            text = Trim(text.substr(sign.size()));
            return sign == "+" ? '+' : '-';
        }
    }
    return 0;
}

// The marker at the start of `text`, its length in `length`; nullptr when none is there.
const Marker* MarkerAt(std::string_view text, std::size_t& length) {
    for (const Marker& marker : kMarkers) {
        if (marker.text[0] == text[0] && text.starts_with(marker.text)) {
            length = marker.text.size();
            return &marker;
        }
    }
    return nullptr;
}

// Puts each number into the part its unit names, or the next part for an unmarked number.
class Parts {
  public:
    void addDigit(char c) { m_pending += c; }

    // The number typed so far ends at a marker of `unit`; false when that breaks the order.
    bool mark(Unit unit) {
        if (unit == None && m_pending.empty()) {
            return true; // separators may repeat: "45  30", "45° 30'"
        }
        if (m_pending.empty()) {
            return false; // a unit mark needs a number before it
        }
        const int part = unit == None ? m_next : unit;
        if (part < m_next || part > Seconds) {
            return false;
        }
        m_parts[static_cast<std::size_t>(part)] = std::move(m_pending);
        m_pending.clear();
        m_next = part + 1;
        m_numberSinceColon = true;
        return true;
    }

    // Colon fields are counted by position, so none of them may be empty: "4::5", ":4:5" and
    // "4:5:" are refused rather than read with their parts moved up a unit.
    bool colon() {
        if (!mark(None) || !m_numberSinceColon) {
            return false;
        }
        m_numberSinceColon = false;
        m_afterColon = true;
        return true;
    }

    bool finish() {
        return mark(None) && !(m_afterColon && !m_numberSinceColon) &&
               !(m_parts[0].empty() && m_parts[1].empty() && m_parts[2].empty());
    }

    std::array<std::string, 3>& parts() { return m_parts; }

  private:
    std::array<std::string, 3> m_parts;
    std::string m_pending;
    int m_next = Degrees; // the unit an unmarked number takes
    bool m_numberSinceColon = false;
    bool m_afterColon = false;
};

} // namespace

std::optional<EntryFields> ReadWholeAngle(std::string_view text) {
    text = Trim(text);
    const char leading = TakeLeadingHemisphere(text);
    const char trailing = TakeTrailingHemisphere(text);
    if (leading != 0 && trailing != 0) {
        return std::nullopt;
    }
    const char hemisphere = leading != 0 ? leading : trailing;
    const char sign = TakeSign(text);
    const bool southOrWest = hemisphere == 'S' || hemisphere == 'W';
    if ((sign == '-' && hemisphere != 0) || (sign == '+' && southOrWest)) {
        return std::nullopt; // not a double negative, not a contradiction: a mistake
    }
    Parts parts;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        if (IsNumberChar(text[i])) {
            parts.addDigit(text[i++]);
        } else if (const Marker* marker = MarkerAt(text.substr(i), length)) {
            if (!(marker->text == ":" ? parts.colon() : parts.mark(marker->unit))) {
                return std::nullopt;
            }
            i += length;
        } else {
            return std::nullopt;
        }
    }
    if (!parts.finish()) {
        return std::nullopt;
    }
    EntryFields fields;
    fields.degrees = std::move(parts.parts()[0]);
    fields.minutes = std::move(parts.parts()[1]);
    fields.seconds = std::move(parts.parts()[2]);
    fields.sign = sign == '-' || southOrWest ? "-" : "";
    return fields;
}

} // namespace orvanel
