#pragma once

#include "perf/perfsettings.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <atomic>

// One CPU/RAM/disk benchmark at a time on a pool thread, with its progress and last result.
class BenchmarkRun : public QObject {
    Q_OBJECT

public:
    explicit BenchmarkRun(BenchmarkSettings settings);
    // Waits for a running task, which stops after its current stage.
    ~BenchmarkRun() override;

    bool running() const { return m_running; }
    int progress() const { return m_progress; }
    QString stage() const { return m_stage; }
    QVariantMap result() const { return m_result; }

    // Ignored while a run is busy; clears the previous result.
    void start();
    // Tells a running task to stop after its current stage; it then reports nothing.
    void cancel();

signals:
    void changed();
    // Emitted by the task and connected queued, so that Qt copies the arguments itself.
    void progressPosted(int percent, QString stage, QPrivateSignal);
    void finishedPosted(QVariantMap result, QPrivateSignal);

private:
    void onProgress(int percent, QString stage);
    void onFinished(QVariantMap result);

    BenchmarkSettings m_settings;
    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_cancel{false};
    QFuture<void> m_task;
    bool m_running = false;
    int m_progress = 0;
    QString m_stage;
    QVariantMap m_result;
};
