#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantList collectGpus(const CollectContext &)
{
    return {};
}
