#pragma once

#include "perf/benchmarkrun.h"
#include "perf/perfsample.h"
#include "perf/perfsettings.h"
#include "perf/stressrun.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <QVariantList>
#include <QVariantMap>

#include <deque>
#include <mutex>

class PerfMonitor;

// Live processor, memory and temperature figures with one-minute histories, the CPU stress
// test, the CPU/RAM/disk benchmark and the GPU results reported by the user interface. The
// stress test and the benchmark keep their own state; their properties here are what QML reads.
class PerfController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool monitoring READ monitoring NOTIFY monitoringChanged)
    Q_PROPERTY(double cpuLoad READ cpuLoad NOTIFY sampled)
    Q_PROPERTY(QVariantList coreLoads READ coreLoads NOTIFY sampled)
    Q_PROPERTY(double ramPercent READ ramPercent NOTIFY sampled)
    Q_PROPERTY(QString ramUsedText READ ramUsedText NOTIFY sampled)
    Q_PROPERTY(QString ramTotalText READ ramTotalText NOTIFY sampled)
    Q_PROPERTY(double cpuTemp READ cpuTemp NOTIFY sampled)
    Q_PROPERTY(bool tempAvailable READ tempAvailable NOTIFY sampled)
    Q_PROPERTY(QVariantList cpuHistory READ cpuHistory NOTIFY sampled)
    Q_PROPERTY(QVariantList ramHistory READ ramHistory NOTIFY sampled)
    Q_PROPERTY(QVariantList tempHistory READ tempHistory NOTIFY sampled)
    Q_PROPERTY(bool stressRunning READ stressRunning NOTIFY stressChanged)
    Q_PROPERTY(int stressElapsed READ stressElapsed NOTIFY stressChanged)
    Q_PROPERTY(int stressDuration READ stressDuration NOTIFY stressChanged)
    Q_PROPERTY(int stressThreads READ stressThreads NOTIFY stressChanged)
    Q_PROPERTY(double stressMaxTemp READ stressMaxTemp NOTIFY stressChanged)
    Q_PROPERTY(double stressMaxLoad READ stressMaxLoad NOTIFY stressChanged)
    Q_PROPERTY(bool benchRunning READ benchRunning NOTIFY benchChanged)
    Q_PROPERTY(int benchProgress READ benchProgress NOTIFY benchChanged)
    Q_PROPERTY(QString benchStage READ benchStage NOTIFY benchChanged)
    Q_PROPERTY(QVariantMap benchmark READ benchmark NOTIFY benchChanged)
    Q_PROPERTY(QVariantMap gpuResult READ gpuResult NOTIFY gpuResultChanged)

public:
    explicit PerfController(QObject *parent = nullptr);
    // Tests hand in their own source, stress kernel and shorter clocks.
    explicit PerfController(PerfSettings settings, QObject *parent = nullptr);
    ~PerfController() override;

    bool monitoring() const { return m_monitoring; }
    double cpuLoad() const { return m_cpuLoad; }
    QVariantList coreLoads() const { return m_coreLoads; }
    double ramPercent() const { return m_ramPercent; }
    QString ramUsedText() const { return m_ramUsedText; }
    QString ramTotalText() const { return m_ramTotalText; }
    double cpuTemp() const { return m_cpuTemp; }
    bool tempAvailable() const { return m_tempAvailable; }
    QVariantList cpuHistory() const { return m_cpuHistory; }
    QVariantList ramHistory() const { return m_ramHistory; }
    QVariantList tempHistory() const { return m_tempHistory; }
    bool stressRunning() const { return m_stress.running(); }
    int stressElapsed() const { return m_stress.elapsed(); }
    int stressDuration() const { return m_stress.duration(); }
    int stressThreads() const { return m_stress.threads(); }
    double stressMaxTemp() const { return m_stress.maxTemp(); }
    double stressMaxLoad() const { return m_stress.maxLoad(); }
    bool benchRunning() const { return m_bench.running(); }
    int benchProgress() const { return m_bench.progress(); }
    QString benchStage() const { return m_bench.stage(); }
    QVariantMap benchmark() const { return m_bench.result(); }
    QVariantMap gpuResult() const { return m_gpuResult; }

    Q_INVOKABLE void startMonitor();
    Q_INVOKABLE void stopMonitor();
    Q_INVOKABLE void startStress(int seconds);
    Q_INVOKABLE void stopStress();
    Q_INVOKABLE void runBenchmark();
    Q_INVOKABLE void reportGpuBenchmark(int score, double throughput, QString verdict);
    Q_INVOKABLE void reportGpuStress(int stability, QString verdict);
    Q_INVOKABLE void requestGpuBenchmark();
    Q_INVOKABLE void requestGpuStress();

    // One reading of the monitor, taken on this object's thread.
    void onSample(const PerfSample &reading);

signals:
    void monitoringChanged();
    void sampled();
    void stressChanged();
    void benchChanged();
    void gpuResultChanged();
    void gpuBenchmarkRequested();
    void gpuStressRequested();

    // To the monitor's thread, and back: connected queued, so the calls are checked by the compiler
    // and carry nothing that Qt would copy where the thread sanitizer cannot see it.
    void monitorRequested(bool active, QPrivateSignal);
    void monitorReleaseRequested(QPrivateSignal);
    void sampleQueued(QPrivateSignal);

private:
    void takeSample();

    PerfSettings m_settings;
    QThread m_workerThread;
    PerfMonitor *m_monitor = nullptr;
    // Readings cross from the monitor's thread under a lock of ours, one queued call each.
    std::mutex m_sampleLock;
    std::deque<PerfSample> m_pendingSamples;
    bool m_monitoring = false;

    double m_cpuLoad = 0;
    QVariantList m_coreLoads;
    double m_ramPercent = 0;
    QString m_ramUsedText;
    QString m_ramTotalText;
    double m_cpuTemp = -1.0;
    bool m_tempAvailable = false;
    QVariantList m_cpuHistory;
    QVariantList m_ramHistory;
    QVariantList m_tempHistory;

    StressRun m_stress;
    BenchmarkRun m_bench;

    QVariantMap m_gpuResult;
};
