#pragma once

#include "hardware/hardwaresnapshot.h"

#include <QString>

#include <functional>
#include <memory>

using ScanProgress = std::function<void(int percent, const QString &stage)>;

// Gathers the whole inventory on a worker thread. Never throws and never fails as a whole:
// a source that cannot be read leaves its keys absent.
class IHardwareCollector {
public:
    virtual ~IHardwareCollector() = default;
    virtual HardwareSnapshot collect(const ScanProgress &progress) = 0;
};

using CollectorFactory = std::function<std::unique_ptr<IHardwareCollector>()>;

// The collector of the running program (live system or replayed profile); null when none exists.
std::unique_ptr<IHardwareCollector> createCollector();
