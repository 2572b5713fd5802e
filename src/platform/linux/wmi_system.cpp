#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no system, processor or memory classes.

namespace platform::linuxbackend {

void addSystemClasses(WmiClassTable &) {}

} // namespace platform::linuxbackend
