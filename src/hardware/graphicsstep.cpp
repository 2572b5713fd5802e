#include "hardware/windowscollector.h"

#include "hardware/graphicsrules.h"

QVariantList collectGpus(const CollectContext &context)
{
    const QList<QVariantMap> controllers = context.cimv2.query(QStringLiteral(
        "SELECT Name, AdapterRAM, DriverVersion, DriverDate, VideoProcessor, AdapterCompatibility, "
        "CurrentHorizontalResolution, CurrentVerticalResolution, CurrentRefreshRate FROM "
        "Win32_VideoController"));
    const QList<DxgiAdapter> adapters = hardwareAdapters(context.source.graphicsAdapters());
    QVariantList gpus;
    for (const QVariantMap &controller : controllers)
        gpus.append(gpuEntry(controller, adapters));
    return gpus;
}
