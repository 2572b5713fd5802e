#pragma once

#include "platform/value.h"

#include <cstddef>
#include <string>

namespace platform::linuxbackend {

// Text as ROOT\WMI delivers it: UTF-16 code units of the text's valid characters without controls,
// trimmed, padded with zeros to `width` codes. Empty text gives an empty list (no value).
IntList charCodes(const std::string &bytes, std::size_t width = 16);

} // namespace platform::linuxbackend
