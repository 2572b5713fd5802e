#include "hardware/windowscollector.h"

// Not gathered yet.
void collectMemory(const CollectContext &, QVariantMap &, QVariantList &) {}
