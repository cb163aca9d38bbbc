#pragma once
// The text viewer as the Help command shows it, and what it says when its file cannot be
// shown, in the window and in the page.

#include "Outcome.h"

#include <cerrno>
#include <string>
#include <string_view>

namespace orvanel {

// The viewer's title, and its text's name for a screen reader, when it shows the help text.
inline constexpr std::string_view kHelpTitle = "Help for Orvanel";

// The platform's number and description of a failed read, by its cause.
struct FileError {
    int number;
    std::string_view description;
};

constexpr FileError FileErrorFor(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return {53, "File not found"};
    case ENOTDIR:
        return {76, "Path not found"};
    case EACCES:
    case EPERM:
        return {70, "Permission denied"};
    case EIO:
        return {57, "Device I/O error"};
    default:
        return {75, "Path/File access error"};
    }
}

// "Error 53.  File not found": the number, a full stop, two blanks and the description.
inline Message FileErrorMessage(const FileError& error) {
    return {"Error " + std::to_string(error.number) + ".  " + std::string(error.description),
            "Error reading file", MessageStyle::Exclamation};
}

inline Message EmptyFileMessage() {
    return {"File is empty!", "Error", MessageStyle::Exclamation};
}

} // namespace orvanel
