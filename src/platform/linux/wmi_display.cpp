#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no video controller or monitor classes.

namespace platform::linuxbackend {

void addDisplayClasses(WmiClassTable &) {}

} // namespace platform::linuxbackend
