// The page's engine built natively: its JSON requests and answers go through standard input
// and output, each framed as "LENGTH:BYTES", so that the native engine and the WebAssembly one
// can be compared byte for byte (identity.test.mjs).
#include "Exports.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

int main() {
    const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
    for (std::size_t start = 0; start < input.size();) {
        const auto colon = input.find(':', start);
        const std::size_t length = std::stoul(input.substr(start, colon - start));
        std::memcpy(RequestBuffer(length), input.data() + colon + 1, length);
        const char* answer = RunRequest();
        std::printf("%zu:", AnswerSize());
        std::fwrite(answer, 1, AnswerSize(), stdout);
        start = colon + 1 + length;
    }
    return 0;
}
