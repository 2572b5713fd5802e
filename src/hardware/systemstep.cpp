#include "hardware/windowscollector.h"

// Not gathered yet.
QVariantMap collectSystem(const CollectContext &)
{
    return {};
}
