#pragma once

#include "platform/linux/sysroot.h"

#include <string>

namespace platform::linuxbackend {

// Texts firmware writers leave in place of real data ("To Be Filled By O.E.M.", "Default string").
bool isFirmwarePlaceholder(const std::string &text);

// A firmware string made printable (text::utf8OrLatin1ControlsAsSpaces) and trimmed; empty when it
// is a placeholder.
std::string meaningfulFirmwareText(const std::string &raw);

// One attribute of /sys/class/dmi/id ("sys_vendor"), through meaningfulFirmwareText; empty when
// unreadable.
std::string dmiText(const SysRoot &root, const std::string &attribute);

// A DMI date "mm/dd/yyyy" (or "mm/dd/yy") as a CIM date-time "yyyymmdd000000.000000+000"; empty
// when it is not such a date.
std::string cimDateFromDmi(const std::string &date);

} // namespace platform::linuxbackend
