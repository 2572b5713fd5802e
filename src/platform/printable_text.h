#pragma once

#include <string>

namespace platform {

// Firmware and kernel texts are bytes of unknown encoding. Keeps valid UTF-8, reads every other
// byte as Latin-1, and turns control characters into spaces, so the result is safe to show.
std::string printableText(const std::string &bytes);

} // namespace platform
