#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: drives are not probed.

namespace platform::linuxbackend {

DrivePages LinuxSource::readDrive(int)
{
    return {};
}

} // namespace platform::linuxbackend
