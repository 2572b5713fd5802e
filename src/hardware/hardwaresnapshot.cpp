#include "hardware/hardwaresnapshot.h"

bool operator==(const HardwareSnapshot &a, const HardwareSnapshot &b)
{
    return a.system == b.system && a.cpu == b.cpu && a.ramSummary == b.ramSummary &&
           a.ramModules == b.ramModules && a.disks == b.disks && a.battery == b.battery && a.gpus == b.gpus &&
           a.displays == b.displays && a.network == b.network && a.bluetooth == b.bluetooth;
}
