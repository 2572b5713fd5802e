#pragma once

#include "platform/value.h"

#include <cstddef>
#include <string>

namespace platform::linuxbackend {

// Text read from a device, made safe to show: bytes that are not valid UTF-8 and control
// characters are dropped, white space at both ends trimmed.
std::string printableText(const std::string &bytes);

// Text as ROOT\WMI delivers it: UTF-16 code units of its printable text, padded with zeros to
// `width` codes. Empty text gives an empty list (no value).
IntList charCodes(const std::string &bytes, std::size_t width = 16);

} // namespace platform::linuxbackend
