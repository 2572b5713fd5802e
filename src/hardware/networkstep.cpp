#include "hardware/windowscollector.h"

// Not gathered yet.
void collectNetwork(const CollectContext &, QVariantList &, QVariantMap &) {}
