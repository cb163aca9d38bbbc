#pragma once
// The page's file converter (convert.cpp): orvanel-cli's runner over input handed over in
// pieces. Each call answers with a document of Protocol.h.

#include "Protocol.h"

#include <string>
#include <string_view>

namespace orvanel::converter {

// Starts a run; answers the name to offer the result under, or why the words are wrong, as
// orvanel-cli says it.
std::string Begin(const protocol::ConvertBeginRequest& request);

// Converts a piece of the input; its output is at Output() until the next piece.
std::string Feed(const protocol::ConvertFeedRequest& request, std::string_view piece);
const std::string& Output();

// The first rows of a CSV text, cells as their texts, so that a column can be picked by its
// header.
std::string Preview(const protocol::CsvPreviewRequest& request, std::string_view start);

} // namespace orvanel::converter
