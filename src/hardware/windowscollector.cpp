#include "hardware/windowscollector.h"

#include "hardware/comapartmentscope.h"

WindowsCollector::WindowsCollector(std::shared_ptr<platform::Source> source) : m_source(std::move(source)) {}

HardwareSnapshot WindowsCollector::collect(const ScanProgress &progress)
{
    HardwareSnapshot snapshot;
    ComApartmentScope com(*m_source);
    WmiConnection cimv2(*m_source);
    if (!cimv2.open(QStringLiteral("ROOT\\CIMV2")))
        return snapshot;

    const auto report = [&progress](int percent, const QString &stage) {
        if (progress)
            progress(percent, stage);
    };
    const CollectContext context{*m_source, cimv2};

    report(5, QStringLiteral("Thông tin hệ thống"));
    snapshot.system = collectSystem(context);
    report(30, QStringLiteral("Bộ xử lý (CPU)"));
    snapshot.cpu = collectProcessor(context, snapshot.system);
    report(45, QStringLiteral("Bộ nhớ (RAM)"));
    collectMemory(context, snapshot.ramSummary, snapshot.ramModules);
    report(60, QStringLiteral("Ổ cứng / SSD"));
    snapshot.disks = collectDisks(context);
    report(78, QStringLiteral("Pin"));
    snapshot.battery = collectBattery(context);
    report(90, QStringLiteral("Card đồ họa (GPU)"));
    snapshot.gpus = collectGpus(context);
    // Reported as listed, although lower than the step before.
    report(85, QStringLiteral("Màn hình"));
    snapshot.displays = collectDisplays(context);
    report(95, QStringLiteral("Kết nối mạng"));
    collectNetwork(context, snapshot.network, snapshot.bluetooth);
    report(100, QStringLiteral("Hoàn tất"));
    return snapshot;
}
