#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantList collectDisplays(const CollectContext &)
{
    return {};
}
