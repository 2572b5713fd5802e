#include "hardware/driveprobe.h"

#include "hardware/drivepages.h"
#include "hardware/storagelog.h"

SmartReading probeDrive(platform::Source &source, int drive, bool ssdHint)
{
    if (drive < 0)
        return {};
    const DriveHealth health = parseDrivePages(source.readDrive(drive), ssdHint);
    if (health.reading.valid && !health.attributes.empty())
        qCInfo(lcStorage).noquote() << smartLogLine(drive, health.reading.health, health.attributes);
    return health.reading;
}
