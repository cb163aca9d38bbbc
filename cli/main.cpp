#include "Cli.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return orvanel::cli::Run(args, {stdin, stdout, stderr});
}
