#pragma once

#include "perf/perfsample.h"
#include "perf/perfsettings.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <thread>
#include <vector>

// The CPU stress test: one worker per logical processor until it is stopped or its duration is
// up, with the peaks of the live figures taken on every tick. Its results stay until the next run.
class StressRun : public QObject {
    Q_OBJECT

public:
    StressRun(StressKernel kernel, int tickMs);
    ~StressRun() override;

    bool running() const { return m_running; }
    int elapsed() const { return m_elapsed; }
    int duration() const { return m_duration; }
    int threads() const { return m_threads; }
    double maxTemp() const { return m_maxTemp; }
    double maxLoad() const { return m_maxLoad; }

    // seconds below 1: until stop(). Ignored while running.
    void start(int seconds);
    // Returns once every worker has ended.
    void stop();
    // The latest live reading, which the next tick takes its peaks from.
    void observe(const PerfSample &reading);

signals:
    void changed();

private:
    void tick();

    StressKernel m_kernel;
    std::vector<std::thread> m_workers;
    std::atomic<bool> m_stop{false};
    QTimer m_timer;
    bool m_running = false;
    int m_elapsed = 0;
    int m_duration = 0;
    int m_threads = 0;
    double m_maxTemp = 0;
    double m_maxLoad = 0;
    PerfSample m_latest;
};
