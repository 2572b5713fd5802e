#include "hardware/windowscollector.h"

#include "hardware/displayrules.h"

QVariantList collectDisplays(const CollectContext &context)
{
    QList<QVariantMap> identifications;
    QList<QVariantMap> imageSizes;
    {
        WmiConnection wmi(context.source);
        if (wmi.open(QStringLiteral("ROOT\\WMI"))) {
            identifications = wmi.query(
                QStringLiteral("SELECT InstanceName, ManufacturerName, UserFriendlyName, ProductCodeID, "
                               "SerialNumberID, YearOfManufacture, WeekOfManufacture FROM WmiMonitorID"));
            imageSizes = wmi.query(QStringLiteral("SELECT InstanceName, MaxHorizontalImageSize, "
                                                  "MaxVerticalImageSize FROM WmiMonitorBasicDisplayParams"));
        }
    }
    return displayEntries(context.source.displayDevices(), identifications, imageSizes);
}
