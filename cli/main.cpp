#include "Cli.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // Large buffers for files; a terminal sees each line as soon as it is converted.
    if (isatty(STDOUT_FILENO) == 0) {
        std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    }
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return orvanel::cli::Run(args, {stdin, stdout, stderr});
}
