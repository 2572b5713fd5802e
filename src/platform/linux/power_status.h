#pragma once

#include "platform/linux/power_supplies.h"
#include "platform/source.h"

#include <vector>

namespace platform::linuxbackend {

// The power status with the meaning GetSystemPowerStatus gives its fields.
PowerStatus derivePowerStatus(const std::vector<PowerSupply> &supplies);

} // namespace platform::linuxbackend
