#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantList collectDisks(const CollectContext &)
{
    return {};
}
