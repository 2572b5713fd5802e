#pragma once

#include "hardware/hardwaresnapshot.h"
#include "maptext.h"

// Every member of a snapshot, one map per line.
inline QString snapshotText(const HardwareSnapshot &s)
{
    return linesText(QStringLiteral("system"), s.system) + linesText(QStringLiteral("cpu"), s.cpu) +
           linesText(QStringLiteral("ramSummary"), s.ramSummary) +
           linesText(QStringLiteral("ramModules"), s.ramModules) +
           linesText(QStringLiteral("disks"), s.disks) + linesText(QStringLiteral("battery"), s.battery) +
           linesText(QStringLiteral("gpus"), s.gpus) + linesText(QStringLiteral("displays"), s.displays) +
           linesText(QStringLiteral("network"), s.network) +
           linesText(QStringLiteral("bluetooth"), s.bluetooth);
}
