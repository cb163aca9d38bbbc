#pragma once
// The address the publisher link opens: the secure form of the publisher's page, "http:"
// becoming "https:" in any letter case. No toolkit here: the page in the browser links to the
// same address.

#include "StrProc.h"

#include <string>
#include <string_view>

namespace orvanel {

inline std::string SecureAddress(std::string_view url) {
    return ReplaceNoCase(url, "http:", "https:");
}

} // namespace orvanel
