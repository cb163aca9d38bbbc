#include "WholeAngle.h"

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

// Longer markers first, so that '' is seconds rather than two minute marks.
constexpr std::array<Marker, 15> kMarkers = {{{"''", Seconds},
                                              {"\u00B0", Degrees},
                                              {"\u00BA", Degrees},
                                              {"d", Degrees},
                                              {"'", Minutes},
                                              {"\u2032", Minutes},
                                              {"\u2019", Minutes},
                                              {"m", Minutes},
                                              {"\"", Seconds},
                                              {"\u2033", Seconds},
                                              {"\u201D", Seconds},
                                              {"s", Seconds},
                                              {":", None},
                                              {" ", None},
                                              {"\t", None}}};

bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Takes a hemisphere letter from either end; 0 when there is none.
char TakeHemisphere(std::string_view& text) {
    constexpr std::string_view kLetters = "NESW";
    if (!text.empty() && kLetters.find(text.front()) != std::string_view::npos) {
        const char letter = text.front();
        text = Trim(text.substr(1));
        return letter;
    }
    if (!text.empty() && kLetters.find(text.back()) != std::string_view::npos) {
        const char letter = text.back();
        text = Trim(text.substr(0, text.size() - 1));
        return letter;
    }
    return 0;
}

// The marker at the start of `text`, its length in `length`; nullptr when none is there.
const Marker* MarkerAt(std::string_view text, std::size_t& length) {
    for (const Marker& marker : kMarkers) {
        if (marker.text[0] == text[0] && text.substr(0, marker.text.size()) == marker.text) {
            length = marker.text.size();
            return &marker;
        }
    }
    return nullptr;
}

} // namespace

std::optional<EntryFields> ReadWholeAngle(std::string_view text) {
    text = Trim(text);
    const char hemisphere = TakeHemisphere(text);
    const char sign = !text.empty() && (text[0] == '-' || text[0] == '+') ? text[0] : 0;
    if (sign != 0) {
        text = Trim(text.substr(1));
    }
    const bool southOrWest = hemisphere == 'S' || hemisphere == 'W';
    if ((sign == '-' && hemisphere != 0) || (sign == '+' && southOrWest)) {
        return std::nullopt; // not a double negative, not a contradiction: a mistake
    }
    std::array<std::string, 3> parts;
    int next = Degrees; // the unit an unmarked part takes
    std::string pending;
    const auto place = [&](int unit) {
        if (pending.empty()) {
            return unit == None; // a unit mark needs a number before it
        }
        if (unit == None) {
            unit = next;
        }
        if (unit < next || unit > Seconds) {
            return false;
        }
        parts[static_cast<std::size_t>(unit)] = std::move(pending);
        pending.clear();
        next = unit + 1;
        return true;
    };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        if (IsNumberChar(text[i])) {
            pending += text[i++];
        } else if (const Marker* marker = MarkerAt(text.substr(i), length)) {
            if (!place(marker->unit)) {
                return std::nullopt;
            }
            i += length;
        } else {
            return std::nullopt;
        }
    }
    if (!pending.empty() && !place(None)) {
        return std::nullopt;
    }
    if (parts[0].empty() && parts[1].empty() && parts[2].empty()) {
        return std::nullopt;
    }
    EntryFields fields;
    fields.degrees = std::move(parts[0]);
    fields.minutes = std::move(parts[1]);
    fields.seconds = std::move(parts[2]);
    fields.sign = sign == '-' || southOrWest ? "-" : "";
    return fields;
}

} // namespace orvanel
