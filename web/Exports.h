#pragma once
// The page's engine as the page calls it: a request or piece of input is written into the
// buffer an export returns, then an export runs it; each answer is read at the address
// returned, for the size its export gives. Native builds (tests, fuzz targets) call them too.

#include <cstddef>

extern "C" {

// The window's model (engine.cpp): a request of entries, its answer of entries; the request
// "page:0:" answers with the page's description as JSON.
char* RequestBuffer(std::size_t size);
const char* RunRequest();
std::size_t AnswerSize();

// The file converter (convert.cpp).
char* ConvertBuffer(std::size_t size);
std::size_t ConvertAnswerSize();
const char* ConvertBegin();
const char* ConvertFeed(int last);
const char* ConvertOutput();
std::size_t ConvertOutputSize();
const char* CsvPreview(int delimiter);

} // extern "C"
