#include "perf/stressrun.h"

#include <algorithm>
#include <system_error>

StressRun::StressRun(StressKernel kernel, int tickMs) : m_kernel(std::move(kernel))
{
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, &StressRun::tick);
}

StressRun::~StressRun()
{
    stop();
}

void StressRun::start(int seconds)
{
    if (m_running)
        return;
    m_stop = false;
    m_elapsed = 0;
    m_maxTemp = 0;
    m_maxLoad = 0;
    m_duration = std::max(0, seconds);
    const int wanted = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    m_running = true;

    const StressKernel kernel = m_kernel;
    for (int i = 0; i < wanted; ++i) {
        try {
            m_workers.emplace_back([this, kernel] { kernel(m_stop); });
        } catch (const std::system_error &) {
            break; // run with the threads the system gave
        }
    }
    m_threads = static_cast<int>(m_workers.size());
    m_timer.start();
    emit changed();
}

void StressRun::observe(const PerfSample &reading)
{
    m_latest = reading;
}

void StressRun::tick()
{
    ++m_elapsed;
    m_maxLoad = std::max(m_maxLoad, m_latest.cpu);
    if (m_latest.tempOk && m_latest.temp > m_maxTemp)
        m_maxTemp = m_latest.temp;
    if (m_duration >= 1 && m_elapsed >= m_duration)
        stop();
    else
        emit changed();
}

void StressRun::stop()
{
    if (!m_running && m_workers.empty())
        return;
    m_timer.stop();
    m_stop = true;
    for (std::thread &worker : m_workers) {
        if (worker.joinable())
            worker.join();
    }
    m_workers.clear();
    m_running = false;
    emit changed();
}
