#pragma once

#include "platform/linux/sysroot.h"
#include "testdata.h"

// A recorded Linux tree below tests/data ("sysroots/latitude-7490").
inline platform::linuxbackend::SysRoot testSysRoot(const QString &relative)
{
    return platform::linuxbackend::SysRoot(testDataPath(relative).toStdString());
}
