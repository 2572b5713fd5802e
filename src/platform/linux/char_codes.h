#pragma once

#include "platform/value.h"

#include <cstddef>
#include <string>

namespace platform::linuxbackend {

// Text as ROOT\WMI delivers it: UTF-16 code units, padded with zeros to `width` codes.
// Bytes that are not valid UTF-8 are dropped. Empty text gives an empty list (no value).
IntList charCodes(const std::string &utf8, std::size_t width = 16);

} // namespace platform::linuxbackend
