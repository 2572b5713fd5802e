#pragma once

#include "hardware/ihardwarecollector.h"
#include "hardware/wmiconnection.h"

#include <memory>

// What every step of a collection works with: the platform and the main ROOT\CIMV2 connection.
struct CollectContext {
    platform::Source &source;
    const WmiConnection &cimv2;
};

// The collector over the platform seam (Windows vocabulary, answered by any backend).
class WindowsCollector final : public IHardwareCollector {
public:
    explicit WindowsCollector(std::shared_ptr<platform::Source> source);
    HardwareSnapshot collect(const ScanProgress &progress) override;

private:
    std::shared_ptr<platform::Source> m_source;
};

// The steps, in collection order; each in a file of its own.
QVariantMap collectSystem(const CollectContext &context);                               // systemstep.cpp
QVariantMap collectProcessor(const CollectContext &context, const QVariantMap &system); // processorstep.cpp
void collectMemory(const CollectContext &context, QVariantMap &summary,
                   QVariantList &modules);                   // memorystep.cpp
QVariantList collectDisks(const CollectContext &context);    // storagestep.cpp
QVariantMap collectBattery(const CollectContext &context);   // batterystep.cpp
QVariantList collectGpus(const CollectContext &context);     // graphicsstep.cpp
QVariantList collectDisplays(const CollectContext &context); // displaysstep.cpp
void collectNetwork(const CollectContext &context, QVariantList &network,
                    QVariantMap &bluetooth); // networkstep.cpp
