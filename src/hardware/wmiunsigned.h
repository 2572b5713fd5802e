#pragma once

#include <QVariantMap>

// A CIM uint32 property read as the unsigned value it is. WMI hands such properties over as
// signed 32-bit integers, so values of 2^31 and more arrive negative; 0 when missing.
quint64 rowUnsigned32(const QVariantMap &row, const char *key);
