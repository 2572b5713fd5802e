#pragma once

#include "platform/value.h"

#include <QList>
#include <QVariant>
#include <QVariantMap>

#include <string>

// Text from the machine or a profile, made safe for every output (window, HTML, JSON, CSV,
// terminal): invalid UTF-8 becomes U+FFFD; control characters (C0, DEL, C1), bidirectional
// embeddings, overrides and isolates, and unpaired surrogates are dropped.
QString seamText(const std::string &bytes);
QString seamText(const QString &text);

// The one place where values from the platform seam become QVariants; texts pass seamText.
QVariant toQVariant(const platform::Value &value);
QVariantMap toVariantMap(const platform::Row &row);
QList<QVariantMap> toVariantMaps(const platform::Rows &rows);
