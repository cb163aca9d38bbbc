#include "weblink.h"

#include "StrProc.h"
#include "WebAddress.h"

namespace orvanel {

std::string GetFileExtension(std::string_view path) {
    if (const auto slash = path.rfind('\\'); slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
    }
    const auto dot = path.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
    return FoldToLower(extension);
}

std::optional<Message> LaunchFailure(int code, std::string_view extension) {
    if (code > 32) {
        return std::nullopt;
    }
    std::string text = "Error launching web browser, error code = " + IntToStr(code) + ".";
    const std::string gap = "\r\n\r\n";
    if (code == 31) {
        text += gap + "File extension '" + std::string(extension) +
                "' is not associated with any application program.";
    } else if (code == 8) {
        text += gap + "Out of memory.";
    } else if (code == 2) {
        text += gap + "Please try once more.";
    }
    return Message{text, "Cannot launch web browser", MessageStyle::Exclamation};
}

void OpenWebPage(std::string_view url, UrlOpener& opener, MessageSink& messages, QWidget* owner) {
    const std::string secure = SecureAddress(url);
    const std::string extension = GetFileExtension(secure);
    const int code = opener.open(QString::fromStdString(secure));
    if (const auto failure = LaunchFailure(code, extension)) {
        messages.show(owner, *failure);
    }
}

} // namespace orvanel
