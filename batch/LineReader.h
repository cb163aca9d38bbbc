#pragma once
// Splits a stream of bytes into lines as the bytes arrive, in pieces of any size: a line is
// handed on as soon as its line end has come, so that a result can follow each line typed.
// It knows nothing of where the bytes come from (a descriptor, a file in the browser).

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace orvanel {

// The longest line an input may have; a longer one is refused without being held whole.
inline constexpr std::size_t kLongestLine = 4096;

class LineReader {
  public:
    // Hands each line completed by `bytes` to onLine(line, tooLong), without its line end (LF,
    // or CR LF). A line longer than kLongestLine comes as its first kLongestLine bytes with
    // `tooLong` set. onLine returns false to stop; feed then returns false too.
    template <class OnLine> bool feed(std::string_view bytes, OnLine&& onLine) {
        while (!bytes.empty()) {
            const void* found = std::memchr(bytes.data(), '\n', bytes.size());
            if (found == nullptr) {
                keep(bytes);
                return true;
            }
            const auto length =
                static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
            const std::string_view rest = bytes.substr(0, length);
            bytes.remove_prefix(length + 1);
            if (m_held.empty() && !m_overflow) {
                if (!hand(rest, onLine)) { // the whole line lies in `bytes`: no copy
                    return false;
                }
                continue;
            }
            keep(rest);
            if (!handHeld(onLine)) {
                return false;
            }
        }
        return true;
    }

    // The last line, when the input does not end with a line end.
    template <class OnLine> bool finish(OnLine&& onLine) {
        return (m_held.empty() && !m_overflow) || handHeld(onLine);
    }

  private:
    // Hands on the line held so far, the head of an over-long one flagged, and forgets it.
    template <class OnLine> bool handHeld(OnLine& onLine) {
        const bool goOn = m_overflow
                              ? onLine(std::string_view(m_held).substr(0, kLongestLine), true)
                              : hand(m_held, onLine);
        m_held.clear();
        m_overflow = false;
        return goOn;
    }

    template <class OnLine> static bool hand(std::string_view line, OnLine& onLine) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const bool tooLong = line.size() > kLongestLine;
        return onLine(tooLong ? line.substr(0, kLongestLine) : line, tooLong);
    }

    // Holds the start of an unfinished line: one byte more than the longest line, for a CR
    // before its LF; past that the line is too long and the rest is dropped unread.
    void keep(std::string_view bytes) {
        const std::size_t room = kLongestLine + 1 - std::min(m_held.size(), kLongestLine + 1);
        m_held.append(bytes.substr(0, room));
        m_overflow = m_overflow || bytes.size() > room;
    }

    std::string m_held;
    bool m_overflow = false;
};

} // namespace orvanel
