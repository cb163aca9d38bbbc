#pragma once
// Opening a web address in the default browser, and telling the user why it did not open.

#include "Outcome.h"
#include "Platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanel {

// The part after the last "\" (the whole text when there is none), then of that the part after
// the last "." (empty when there is no "."), lower-cased.
std::string GetFileExtension(std::string_view path);

// The message for a shell result code, or nothing when the code means success (above 32).
std::optional<Message> LaunchFailure(int code, std::string_view extension);

// Asks for the secure form of the address ("http:" becomes "https:" in any letter case), opens
// it, and shows a message when the opener refuses. Never fails to its caller.
void OpenWebPage(std::string_view url, UrlOpener& opener, MessageSink& messages, QWidget* owner);

} // namespace orvanel
