#include "perf/perfmonitor.h"

#include "hardware/comapartmentscope.h"
#include "hardware/wmiconnection.h"

#include <QTimer>

PerfMonitor::PerfMonitor(std::shared_ptr<platform::Source> source, int intervalMs, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_intervalMs(intervalMs)
{
    // The sample crosses from the worker thread, queued.
    static const int registered = qRegisterMetaType<PerfSample>("PerfSample");
    Q_UNUSED(registered)
}

PerfMonitor::~PerfMonitor()
{
    release();
}

void PerfMonitor::begin()
{
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setInterval(m_intervalMs);
        connect(m_timer, &QTimer::timeout, this, &PerfMonitor::step);
    }
    if (!m_com) {
        m_com = std::make_unique<ComApartmentScope>(*m_source);
        m_wmi = std::make_unique<WmiConnection>(*m_source);
        if (!m_wmi->open(QStringLiteral("ROOT\\WMI")))
            m_wmi.reset();
    }
    m_primed = false;
    step();
    m_timer->start();
}

void PerfMonitor::end()
{
    if (m_timer)
        m_timer->stop();
    release();
}

void PerfMonitor::release()
{
    // The connection belongs to the apartment: it goes first.
    m_wmi.reset();
    m_com.reset();
}

void PerfMonitor::step()
{
    QVariantList cores;
    double cpu = 0;
    if (const auto times = m_source->processorTimes(); times && !times->empty()) {
        double sum = 0;
        for (const double load : m_loads.measure(*times)) {
            cores.append(load);
            sum += load;
        }
        cpu = sum / cores.size();
    }
    // The first step only records the counters the next loads are measured against.
    if (!m_primed) {
        m_primed = true;
        return;
    }

    MemoryUse memory;
    if (const auto status = m_source->memoryStatus())
        memory = memoryUse(*status);

    double temp = -1.0;
    if (m_wmi)
        temp = hottestZoneCelsius(
            m_wmi->query(QStringLiteral("SELECT CurrentTemperature FROM MSAcpi_ThermalZoneTemperature")));
    const bool tempOk = temp > 0;
    emit sample(PerfSample{cpu, cores, memory.percent, memory.usedText, memory.totalText,
                           tempOk ? temp : -1.0, tempOk});
}
