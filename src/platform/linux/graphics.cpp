#include "platform/linux/linux_source.h"
#include "platform/linux/wmi_classes.h"

// Not read on Linux yet: no graphics adapters.

namespace platform::linuxbackend {

std::vector<GraphicsAdapter> LinuxSource::graphicsAdapters()
{
    return {};
}

} // namespace platform::linuxbackend
