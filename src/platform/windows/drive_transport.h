#pragma once

#include "platform/source.h"

namespace platform::windowsbackend {

// The pages an opened drive (a Windows HANDLE) answers; `opened` is set.
DrivePages readDrivePages(void *drive);

} // namespace platform::windowsbackend
