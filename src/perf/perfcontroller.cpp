#include "perf/perfcontroller.h"

#include "hardware/activesource.h"
#include "perf/kernels.h"
#include "perf/keys/gpuresultkeys.h"
#include "perf/perfmonitor.h"

namespace {

constexpr int kHistoryLength = 60; // one minute at one sample per second

void appendCapped(QVariantList &history, double value)
{
    history.append(value);
    while (history.size() > kHistoryLength)
        history.removeFirst();
}

PerfSettings withDefaults(PerfSettings settings)
{
    if (!settings.source)
        settings.source = activeSource();
    if (!settings.stressKernel)
        settings.stressKernel = runStressKernel;
    return settings;
}

} // namespace

PerfController::PerfController(QObject *parent) : PerfController(PerfSettings{}, parent) {}

PerfController::PerfController(PerfSettings settings, QObject *parent)
    : QObject(parent), m_settings(withDefaults(std::move(settings))),
      m_stress(m_settings.stressKernel, m_settings.stressTickMs), m_bench(m_settings.benchmark)
{
    m_monitor = new PerfMonitor(m_settings.source, m_settings.sampleIntervalMs);
    m_monitor->moveToThread(&m_workerThread);
    connect(&m_workerThread, &QThread::finished, m_monitor, &QObject::deleteLater);
    // All connections to the monitor's thread are made before it starts.
    connect(
        m_monitor, &PerfMonitor::sample, m_monitor,
        [this](const PerfSample &reading) {
            {
                const std::lock_guard<std::mutex> lock(m_sampleLock);
                m_pendingSamples.push_back(reading);
            }
            emit sampleQueued(QPrivateSignal());
        },
        Qt::DirectConnection);
    connect(this, &PerfController::sampleQueued, this, &PerfController::takeSample, Qt::QueuedConnection);
    PerfMonitor *monitor = m_monitor;
    connect(
        this, &PerfController::monitorRequested, monitor,
        [monitor](bool active) { active ? monitor->begin() : monitor->end(); }, Qt::QueuedConnection);
    connect(this, &PerfController::monitorReleaseRequested, monitor, &PerfMonitor::end,
            Qt::BlockingQueuedConnection);
    m_workerThread.start();

    connect(&m_stress, &StressRun::changed, this, &PerfController::stressChanged);
    connect(&m_bench, &BenchmarkRun::changed, this, &PerfController::benchChanged);
}

PerfController::~PerfController()
{
    // A running benchmark stops after its current stage; its member waits for it.
    m_bench.cancel();
    m_stress.stop();
    // COM belongs to the worker thread: release it there before the thread stops.
    if (m_workerThread.isRunning())
        emit monitorReleaseRequested(QPrivateSignal());
    // Cut on this thread: deleting the monitor on its own thread would otherwise read this object,
    // ordered only by that thread's end, which the thread sanitizer cannot see through Qt.
    disconnect(this, nullptr, m_monitor, nullptr);
    m_workerThread.quit();
    m_workerThread.wait(2000);
    // Orders the monitor thread's last push before the queue is taken apart.
    const std::lock_guard<std::mutex> lock(m_sampleLock);
}

void PerfController::startMonitor()
{
    if (m_monitoring)
        return;
    m_monitoring = true;
    emit monitorRequested(true, QPrivateSignal());
    emit monitoringChanged();
}

void PerfController::stopMonitor()
{
    if (!m_monitoring)
        return;
    m_monitoring = false;
    emit monitorRequested(false, QPrivateSignal());
    emit monitoringChanged();
}

void PerfController::takeSample()
{
    PerfSample reading;
    {
        const std::lock_guard<std::mutex> lock(m_sampleLock);
        if (m_pendingSamples.empty())
            return;
        reading = std::move(m_pendingSamples.front());
        m_pendingSamples.pop_front();
    }
    onSample(reading);
}

void PerfController::onSample(const PerfSample &reading)
{
    m_cpuLoad = reading.cpu;
    m_coreLoads = reading.cores;
    m_ramPercent = reading.ramPercent;
    // A failed memory reading keeps the last texts.
    if (!reading.ramUsed.isEmpty())
        m_ramUsedText = reading.ramUsed;
    if (!reading.ramTotal.isEmpty())
        m_ramTotalText = reading.ramTotal;
    m_cpuTemp = reading.temp;
    m_tempAvailable = reading.tempOk;
    appendCapped(m_cpuHistory, reading.cpu);
    appendCapped(m_ramHistory, reading.ramPercent);
    appendCapped(m_tempHistory, reading.tempOk ? reading.temp : 0.0);
    m_stress.observe(reading);
    emit sampled();
}

void PerfController::startStress(int seconds)
{
    if (m_stress.running())
        return;
    m_stress.start(seconds);
    // The peaks come from the live samples.
    startMonitor();
}

void PerfController::stopStress()
{
    m_stress.stop();
}

void PerfController::runBenchmark()
{
    m_bench.start();
}

void PerfController::reportGpuBenchmark(int score, double throughput, QString verdict)
{
    m_gpuResult.insert(GpuResultKey::kScore, score);
    m_gpuResult.insert(GpuResultKey::kThroughput, throughput);
    m_gpuResult.insert(GpuResultKey::kVerdict, verdict);
    m_gpuResult.insert(GpuResultKey::kTested, true);
    emit gpuResultChanged();
}

void PerfController::reportGpuStress(int stability, QString verdict)
{
    m_gpuResult.insert(GpuResultKey::kStability, stability);
    m_gpuResult.insert(GpuResultKey::kStressVerdict, verdict);
    m_gpuResult.insert(GpuResultKey::kStressTested, true);
    emit gpuResultChanged();
}

void PerfController::requestGpuBenchmark()
{
    emit gpuBenchmarkRequested();
}

void PerfController::requestGpuStress()
{
    emit gpuStressRequested();
}
