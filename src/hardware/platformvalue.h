#pragma once

#include "platform/value.h"

#include <QList>
#include <QVariant>
#include <QVariantMap>

#include <string>

// Text from the machine or a profile, made safe for every output by
// platform::text::utf16WithoutControlsOrBidi: invalid UTF-8 becomes U+FFFD; control characters (C0,
// DEL, C1) and bidirectional embeddings, overrides and isolates are dropped.
QString seamText(const std::string &bytes);
// UTF-16 units taken one for one (QString::fromUtf16 would read a leading byte-order mark).
QString unitsText(const std::u16string &units);

// The one place where values from the platform seam become QVariants; texts pass seamText.
QVariant toQVariant(const platform::Value &value);
QVariantMap toVariantMap(const platform::Row &row);
QList<QVariantMap> toVariantMaps(const platform::Rows &rows);
