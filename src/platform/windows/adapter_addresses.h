#pragma once

#include "platform/source.h"

#include <vector>

namespace platform::windowsbackend {

// GetAdaptersAddresses into a buffer of `initialBytes`, grown to the size the call asks for when
// it overflows (the list may grow between calls, so this is tried a few times).
std::vector<NetworkAdapter> adapterAddresses(unsigned long initialBytes);

} // namespace platform::windowsbackend
