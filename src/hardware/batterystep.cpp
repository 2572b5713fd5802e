#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantMap collectBattery(const CollectContext &)
{
    return {};
}
