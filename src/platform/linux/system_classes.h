#pragma once

#include "platform/linux/sysroot.h"
#include "platform/source.h"

#include <optional>
#include <string>

namespace platform::linuxbackend {

// Providers of the system, processor and memory classes, each in a file of its own.
Rows computerSystemRows(const SysRoot &root);      // wmi_system.cpp
Rows biosRows(const SysRoot &root);                // wmi_system.cpp
Rows baseBoardRows(const SysRoot &root);           // wmi_system.cpp
Rows systemEnclosureRows(const SysRoot &root);     // wmi_system.cpp
Rows operatingSystemRows(const SysRoot &root);     // wmi_os.cpp
Rows tpmRows(const SysRoot &root);                 // wmi_tpm.cpp
Rows processorRows(const SysRoot &root);           // wmi_processor.cpp
Rows physicalMemoryRows(const SysRoot &root);      // wmi_memory.cpp
Rows physicalMemoryArrayRows(const SysRoot &root); // wmi_memory.cpp

// CPUID of the processor running the caller; only on a live x86 root.
std::optional<CpuidRegisters> cpuidOnLiveRoot(const SysRoot &root, std::uint32_t leaf,
                                              std::optional<std::uint32_t> subLeaf); // cpuid.cpp

// The machine's architecture as the kernel names it ("x86_64"); empty when unknown.
std::string machineArchitecture(const SysRoot &root); // wmi_os.cpp

} // namespace platform::linuxbackend
