#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantMap collectProcessor(const CollectContext &, const QVariantMap &)
{
    return {};
}
