#pragma once

#include "platform/source.h"

#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <vector>

// The maker behind a monitor's PNP manufacturer code; a code the table does not know comes back as it is.
QString monitorVendorName(const QString &code);

// The year of manufacture as text, only for 1991..2099 (0 and 1990 mean "not given").
QString manufactureYearText(int year);

// The diagonal in inches with one decimal and an inch mark; empty unless both sides are above 0.
QString diagonalText(double widthCm, double heightCm);

// The largest mode by area, carrying the highest frequency listed for that width and height.
platform::DisplayMode nativeMode(const std::vector<platform::DisplayMode> &modes);

// The `displays` list: one entry per device attached to the desktop, in enumeration order, paired
// by position with the monitor identification rows and the image-size rows.
QVariantList displayEntries(const std::vector<platform::DisplayDevice> &devices,
                            const QList<QVariantMap> &identifications, const QList<QVariantMap> &imageSizes);
