#pragma once

#include "platform/value.h"

#include <QList>
#include <QVariant>
#include <QVariantMap>

// The one place where values from the platform seam become QVariants.
QVariant toQVariant(const platform::Value &value);
QVariantMap toVariantMap(const platform::Row &row);
QList<QVariantMap> toVariantMaps(const platform::Rows &rows);
