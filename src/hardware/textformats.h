#pragma once

#include <QString>

// Display texts shared by the inventory steps.

// Bytes as "%1 TB" (2 decimals, from 1000 binary GB), "%1 GB" (1 decimal below 100, else none)
// or "%1 MB"; empty for 0. The units are binary although the labels are not.
QString sizeText(quint64 bytes);

// A WMI date-time ("yyyymmdd...") as "yyyy-mm-dd"; empty when shorter than 8 characters.
QString dateText(const QString &wmiDateTime);

// Bits per second as "%1 Gbps", "%1 Mbps" or "%1 Kbps"; empty for 0.
QString linkSpeedText(quint64 bitsPerSecond);
