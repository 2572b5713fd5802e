#include "hardware/driveprobe.h"

#include "hardware/drivepages.h"

#include <QDebug>

SmartReading probeDrive(platform::Source &source, int drive, bool ssdHint)
{
    if (drive < 0)
        return {};
    const DriveHealth health = parseDrivePages(source.readDrive(drive), ssdHint);
    if (health.reading.valid && !health.attributes.empty())
        qWarning().noquote() << smartLogLine(drive, health.reading.health, health.attributes);
    return health.reading;
}
