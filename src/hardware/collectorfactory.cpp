#include "hardware/ihardwarecollector.h"

std::unique_ptr<IHardwareCollector> createCollector()
{
    // No inventory steps are built yet: the scan completes with the empty snapshot.
    return nullptr;
}
