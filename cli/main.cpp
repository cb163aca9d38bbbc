#include "Cli.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // Large blocks into a pipe or file; a terminal sees each line as soon as it is converted.
    // A buffering chosen with stdbuf(1) is left as it is.
    if (isatty(STDOUT_FILENO) == 0 && std::getenv("_STDBUF_O") == nullptr) {
        std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    }
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return orvanel::cli::Run(args, {stdin, stdout, stderr});
}
