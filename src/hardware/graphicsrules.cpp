#include "hardware/graphicsrules.h"

#include "hardware/platformvalue.h"

#include "hardware/keys/gpukeys.h"
#include "hardware/rowreaders.h"
#include "hardware/textformats.h"
#include "hardware/wmiunsigned.h"

namespace {

constexpr quint64 kMaxAdapterRam = 68719476736ull; // 64 GiB

bool matches(const QString &name, const QString &description)
{
    if (description.compare(name, Qt::CaseInsensitive) == 0)
        return true;
    if (!name.isEmpty() && description.contains(name, Qt::CaseInsensitive))
        return true;
    return !description.isEmpty() && name.contains(description, Qt::CaseInsensitive);
}

} // namespace

QList<DxgiAdapter> hardwareAdapters(const std::vector<platform::GraphicsAdapter> &adapters)
{
    QList<DxgiAdapter> out;
    for (const auto &adapter : adapters) {
        if (adapter.flags & platform::GraphicsAdapter::kSoftware)
            continue;
        out.append({seamText(adapter.description).trimmed(), adapter.dedicatedVideoMemory});
    }
    return out;
}

quint64 videoMemoryBytes(const QString &name, quint64 adapterRam, const QList<DxgiAdapter> &adapters)
{
    for (const DxgiAdapter &adapter : adapters) {
        if (!matches(name, adapter.description))
            continue;
        if (adapter.dedicatedMemory != 0)
            return adapter.dedicatedMemory;
        break;
    }
    return adapterRam >= 1 && adapterRam <= kMaxAdapterRam ? adapterRam : 0;
}

QVariantMap gpuEntry(const QVariantMap &controller, const QList<DxgiAdapter> &adapters)
{
    QVariantMap gpu;
    const QString name = putText(gpu, GpuKey::kName, rowText(controller, "Name"));
    putText(gpu, GpuKey::kVendor, rowText(controller, "AdapterCompatibility"));
    const quint64 memory = videoMemoryBytes(name, rowUnsigned32(controller, "AdapterRAM"), adapters);
    putText(gpu, GpuKey::kVram, sizeText(memory));
    putText(gpu, GpuKey::kDriver, rowText(controller, "DriverVersion"));
    putText(gpu, GpuKey::kDriverDate, dateText(rowText(controller, "DriverDate")));
    const int width = rowInt(controller, "CurrentHorizontalResolution");
    const int height = rowInt(controller, "CurrentVerticalResolution");
    if (width >= 1 && height >= 1)
        gpu.insert(GpuKey::kResolution, QStringLiteral("%1 x %2").arg(width).arg(height));
    const int refresh = rowInt(controller, "CurrentRefreshRate");
    if (refresh >= 1)
        gpu.insert(GpuKey::kRefresh, QStringLiteral("%1 Hz").arg(refresh));
    return gpu;
}
