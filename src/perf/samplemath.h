#pragma once

#include "platform/source.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <vector>

// Bytes as "%1 GB" (1 decimal) from one binary gigabyte up, else "%1 MB" (no decimals).
QString memorySizeText(quint64 bytes);

// Per-processor loads from the difference between two readings of the processor counters.
class ProcessorLoadMeter {
public:
    // Loads in percent, 0-100, in processor order; records the counters for the next call.
    // A processor whose total did not advance reads 0.
    std::vector<double> measure(const std::vector<platform::ProcessorTimes> &now);

private:
    std::vector<std::uint64_t> m_previousIdle;
    std::vector<std::uint64_t> m_previousTotal;
};

struct MemoryUse {
    double percent = 0;
    QString usedText;
    QString totalText;
};
MemoryUse memoryUse(const platform::MemoryStatus &status);

// The hottest plausible reading of MSAcpi_ThermalZoneTemperature rows (tenths of a kelvin)
// in degrees Celsius, or -1 when no zone reads above 0 and below 125 degrees.
double hottestZoneCelsius(const QList<QVariantMap> &rows);
