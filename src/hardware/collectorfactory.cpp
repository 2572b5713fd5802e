#include "hardware/activesource.h"
#include "hardware/ihardwarecollector.h"
#include "hardware/windowscollector.h"

std::unique_ptr<IHardwareCollector> createCollector()
{
    return std::make_unique<WindowsCollector>(activeSource());
}
