#include "platform/linux/wmi_classes.h"

namespace platform::linuxbackend {

const WmiClassTable &wmiClasses()
{
    static const WmiClassTable table = [] {
        WmiClassTable t;
        addSystemClasses(t);
        addStorageClasses(t);
        addBatteryClasses(t);
        addDisplayClasses(t);
        addThermalClasses(t);
        return t;
    }();
    return table;
}

} // namespace platform::linuxbackend
