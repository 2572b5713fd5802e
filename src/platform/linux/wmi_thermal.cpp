#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no thermal zones.

namespace platform::linuxbackend {

void addThermalClasses(WmiClassTable &) {}

} // namespace platform::linuxbackend
