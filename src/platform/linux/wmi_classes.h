#pragma once

#include "platform/linux/sysroot.h"
#include "platform/value.h"

#include <functional>
#include <string>
#include <vector>

namespace platform::linuxbackend {

// A WMI class answered from Linux sources: the provider returns every row with every
// property it knows; the WQL select list is applied afterwards.
struct WmiClass {
    std::string nameSpace; // e.g. "ROOT\\CIMV2"
    std::string className; // e.g. "Win32_BIOS"
    std::function<Rows(const SysRoot &)> provide;
};
using WmiClassTable = std::vector<WmiClass>;

// Each area adds its classes in its own file.
void addSystemClasses(WmiClassTable &table);  // computer system, firmware, board, OS, TPM, CPU, memory
void addStorageClasses(WmiClassTable &table); // disk drives and storage-management classes
void addBatteryClasses(WmiClassTable &table); // Win32_Battery and the ROOT\WMI battery classes
void addDisplayClasses(WmiClassTable &table); // video controllers and monitor identification
void addThermalClasses(WmiClassTable &table); // thermal zones

// Built once, read-only afterwards.
const WmiClassTable &wmiClasses();

} // namespace platform::linuxbackend
