#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no battery classes.

namespace platform::linuxbackend {

void addBatteryClasses(WmiClassTable &) {}

} // namespace platform::linuxbackend
