// The floor for orvanel-cli's throughput: reads every number of each line with std::from_chars
// and writes it back with std::to_chars, through the same line reading and buffered output.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <sys/types.h>

int main() {
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    char* line = nullptr;
    std::size_t capacity = 0;
    ssize_t got = 0;
    char out[256];
    while ((got = getline(&line, &capacity, stdin)) >= 0) {
        char* end = out;
        for (const char* at = line; at < line + got;) {
            double value = 0;
            const auto read = std::from_chars(at, line + got, value);
            if (read.ec != std::errc()) {
                ++at; // not a number here: a blank, a unit mark, a separator
                continue;
            }
            at = read.ptr;
            end = std::to_chars(end, out + sizeof out - 2, value).ptr;
            *end++ = ' ';
        }
        *end++ = '\n';
        fwrite_unlocked(out, 1, static_cast<std::size_t>(end - out), stdout);
    }
    std::free(line);
    return 0;
}
