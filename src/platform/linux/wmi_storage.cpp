#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no disk classes.

namespace platform::linuxbackend {

void addStorageClasses(WmiClassTable &) {}

} // namespace platform::linuxbackend
