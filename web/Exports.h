#pragma once
// The page's engine as the page calls it (their names are protocol::kExports): a request is
// written into the buffer RequestBuffer returns, and a piece of input for the converter into
// PieceBuffer's; RunRequest runs the request, its answer is at the address returned, for
// AnswerSize() bytes, and a piece's output at ConvertOutput(), ConvertOutputSize() bytes.
// Native builds (tests, fuzz targets) call them too.

#include <cstddef>

#ifdef __wasm__
#define ORVANEL_EXPORT(name) __attribute__((export_name(name)))
#else
#define ORVANEL_EXPORT(name)
#endif

extern "C" {

char* RequestBuffer(std::size_t size);
char* PieceBuffer(std::size_t size);
const char* RunRequest();
std::size_t AnswerSize();
const char* ConvertOutput();
std::size_t ConvertOutputSize();

} // extern "C"
