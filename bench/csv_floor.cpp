// The floor for orvanel-cli --csv: reads standard input in 64 KiB blocks, cuts it into cells at
// commas and line ends, reads every number in every cell with std::from_chars and writes it
// back with std::to_chars (the other bytes of a cell are skipped), with buffered output.
#include <charconv>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void WriteNumbers(const char* at, const char* end, std::string& out) {
    char text[32];
    while (at < end) {
        double value = 0;
        const auto read = std::from_chars(at, end, value);
        if (read.ec != std::errc()) {
            ++at; // not a number here: a blank, a unit mark, a letter
            continue;
        }
        at = read.ptr;
        out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
        out += ' ';
    }
}

} // namespace

int main() {
    std::string carry;
    std::string out;
    char block[1 << 16];
    ssize_t got = 0;
    while ((got = read(0, block, sizeof block)) > 0) {
        carry.append(block, static_cast<std::size_t>(got));
        std::size_t start = 0;
        for (std::size_t i = 0; i < carry.size(); ++i) {
            if (carry[i] == ',' || carry[i] == '\n') {
                WriteNumbers(carry.data() + start, carry.data() + i, out);
                out += carry[i];
                start = i + 1;
            }
        }
        carry.erase(0, start);
        fwrite_unlocked(out.data(), 1, out.size(), stdout);
        out.clear();
    }
    WriteNumbers(carry.data(), carry.data() + carry.size(), out);
    fwrite_unlocked(out.data(), 1, out.size(), stdout);
    return 0;
}
