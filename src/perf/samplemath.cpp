#include "perf/samplemath.h"

#include <algorithm>

QString memorySizeText(quint64 bytes)
{
    const double gib = static_cast<double>(bytes) / (1024.0 * 1024.0 * 1024.0);
    if (gib >= 1.0)
        return QStringLiteral("%1 GB").arg(gib, 0, 'f', 1);
    return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / (1024.0 * 1024.0), 0, 'f', 0);
}

std::vector<double> ProcessorLoadMeter::measure(const std::vector<platform::ProcessorTimes> &now)
{
    if (m_previousIdle.size() != now.size()) {
        m_previousIdle.resize(now.size(), 0);
        m_previousTotal.resize(now.size(), 0);
    }
    std::vector<double> loads;
    loads.reserve(now.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
        const std::uint64_t total = now[i].kernel + now[i].user;
        // Unsigned differences: a counter that went backwards wraps and is clamped below.
        const std::uint64_t dTotal = total - m_previousTotal[i];
        const std::uint64_t dIdle = now[i].idle - m_previousIdle[i];
        m_previousTotal[i] = total;
        m_previousIdle[i] = now[i].idle;
        double load = 0;
        if (dTotal != 0)
            load = (static_cast<double>(dTotal) - static_cast<double>(dIdle)) * 100.0 /
                   static_cast<double>(dTotal);
        loads.push_back(std::clamp(load, 0.0, 100.0));
    }
    return loads;
}

MemoryUse memoryUse(const platform::MemoryStatus &status)
{
    // More available than installed is a bad reading, not negative use.
    const quint64 used = status.availPhys >= status.totalPhys ? 0 : status.totalPhys - status.availPhys;
    MemoryUse use;
    if (status.totalPhys > 0)
        use.percent = static_cast<double>(used) * 100.0 / static_cast<double>(status.totalPhys);
    use.usedText = memorySizeText(used);
    use.totalText = memorySizeText(status.totalPhys);
    return use;
}

double hottestZoneCelsius(const QList<QVariantMap> &rows)
{
    double best = -1.0;
    for (const QVariantMap &row : rows) {
        const double tenthsKelvin = row.value(QStringLiteral("CurrentTemperature")).toDouble();
        if (tenthsKelvin <= 0)
            continue;
        const double celsius = tenthsKelvin / 10.0 - 273.15;
        if (celsius > 0 && celsius < 125)
            best = std::max(best, celsius);
    }
    return best;
}
