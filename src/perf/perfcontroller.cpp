#include "perf/perfcontroller.h"

#include "hardware/activesource.h"
#include "perf/cpubenchmark.h"
#include "perf/kernels.h"
#include "perf/keys/gpuresultkeys.h"
#include "perf/perfmonitor.h"

#include <QMetaObject>
#include <QtConcurrent>

#include <algorithm>
#include <system_error>

namespace {

constexpr int kHistoryLength = 60; // one minute at one sample per second

void appendCapped(QVariantList &history, double value)
{
    history.append(value);
    while (history.size() > kHistoryLength)
        history.removeFirst();
}

} // namespace

PerfController::PerfController(QObject *parent) : PerfController(PerfSettings{}, parent) {}

PerfController::PerfController(PerfSettings settings, QObject *parent)
    : QObject(parent), m_settings(std::move(settings))
{
    if (!m_settings.source)
        m_settings.source = activeSource();
    if (!m_settings.stressKernel)
        m_settings.stressKernel = runStressKernel;

    m_monitor = new PerfMonitor(m_settings.source, m_settings.sampleIntervalMs);
    m_monitor->moveToThread(&m_workerThread);
    connect(&m_workerThread, &QThread::finished, m_monitor, &QObject::deleteLater);
    connect(m_monitor, &PerfMonitor::sample, this, &PerfController::onSample);
    m_workerThread.start();

    m_stressTimer.setInterval(m_settings.stressTickMs);
    connect(&m_stressTimer, &QTimer::timeout, this, &PerfController::onStressTick);
}

PerfController::~PerfController()
{
    // A benchmark task posts to this object: it stops after its current stage.
    m_benchCancel = true;
    stopStress();
    // COM belongs to the worker thread: release it there before the thread stops.
    if (m_workerThread.isRunning())
        QMetaObject::invokeMethod(m_monitor, &PerfMonitor::end, Qt::BlockingQueuedConnection);
    m_workerThread.quit();
    m_workerThread.wait(2000);
    m_benchTask.waitForFinished();
}

void PerfController::startMonitor()
{
    if (m_monitoring)
        return;
    m_monitoring = true;
    QMetaObject::invokeMethod(m_monitor, &PerfMonitor::begin, Qt::QueuedConnection);
    emit monitoringChanged();
}

void PerfController::stopMonitor()
{
    if (!m_monitoring)
        return;
    m_monitoring = false;
    QMetaObject::invokeMethod(m_monitor, &PerfMonitor::end, Qt::QueuedConnection);
    emit monitoringChanged();
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
    emit sampled();
}

void PerfController::startStress(int seconds)
{
    if (m_stressRunning)
        return;
    m_stressStop = false;
    m_stressElapsed = 0;
    m_stressMaxTemp = 0;
    m_stressMaxLoad = 0;
    m_stressDuration = std::max(0, seconds);
    const int wanted = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    m_stressRunning = true;
    // The peaks come from the live samples.
    startMonitor();

    const StressKernel kernel = m_settings.stressKernel;
    for (int i = 0; i < wanted; ++i) {
        try {
            m_stressWorkers.emplace_back([this, kernel] { kernel(m_stressStop); });
        } catch (const std::system_error &) {
            break; // run with the threads the system gave
        }
    }
    m_stressThreads = static_cast<int>(m_stressWorkers.size());
    m_stressTimer.start();
    emit stressChanged();
}

void PerfController::onStressTick()
{
    ++m_stressElapsed;
    m_stressMaxLoad = std::max(m_stressMaxLoad, m_cpuLoad);
    if (m_tempAvailable && m_cpuTemp > m_stressMaxTemp)
        m_stressMaxTemp = m_cpuTemp;
    if (m_stressDuration >= 1 && m_stressElapsed >= m_stressDuration)
        stopStress();
    else
        emit stressChanged();
}

void PerfController::stopStress()
{
    if (!m_stressRunning && m_stressWorkers.empty())
        return;
    m_stressTimer.stop();
    m_stressStop = true;
    for (std::thread &worker : m_stressWorkers) {
        if (worker.joinable())
            worker.join();
    }
    m_stressWorkers.clear();
    m_stressRunning = false;
    emit stressChanged();
}

void PerfController::runBenchmark()
{
    if (m_benchBusy.exchange(true))
        return;
    m_benchRunning = true;
    m_benchProgress = 0;
    m_benchStage = QStringLiteral("Đang khởi động…");
    m_benchmark.clear();
    emit benchChanged();

    PerfController *receiver = this;
    const BenchmarkSettings settings = m_settings.benchmark;
    const std::atomic<bool> *cancel = &m_benchCancel;
    m_benchTask = QtConcurrent::run([receiver, settings, cancel] {
        const BenchmarkProgress progress = [receiver](int percent, const QString &stage) {
            QMetaObject::invokeMethod(
                receiver, [receiver, percent, stage] { receiver->onBenchProgress(percent, stage); },
                Qt::QueuedConnection);
        };
        const QVariantMap result = runCpuBenchmark(settings, progress, *cancel);
        if (!cancel->load())
            QMetaObject::invokeMethod(
                receiver, [receiver, result] { receiver->onBenchFinished(result); }, Qt::QueuedConnection);
    });
}

void PerfController::onBenchProgress(int percent, QString stage)
{
    m_benchProgress = percent;
    m_benchStage = std::move(stage);
    m_benchRunning = true;
    emit benchChanged();
}

void PerfController::onBenchFinished(QVariantMap result)
{
    m_benchmark = std::move(result);
    m_benchProgress = 100;
    m_benchStage = QStringLiteral("Hoàn tất");
    m_benchRunning = false;
    m_benchBusy = false;
    emit benchChanged();
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
