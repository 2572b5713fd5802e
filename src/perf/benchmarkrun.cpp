#include "perf/benchmarkrun.h"

#include "perf/cpubenchmark.h"

#include "platform/tsan_annotations.h"

#include <QtConcurrent>

BenchmarkRun::BenchmarkRun(BenchmarkSettings settings) : m_settings(std::move(settings))
{
    connect(this, &BenchmarkRun::progressPosted, this, &BenchmarkRun::onProgress, Qt::QueuedConnection);
    connect(this, &BenchmarkRun::finishedPosted, this, &BenchmarkRun::onFinished, Qt::QueuedConnection);
}

BenchmarkRun::~BenchmarkRun()
{
    cancel();
    m_task.waitForFinished();
    KELVARO_HANDOFF_ACQUIRE(this);
}

void BenchmarkRun::cancel()
{
    m_cancel = true;
}

void BenchmarkRun::start()
{
    if (m_busy.exchange(true))
        return;
    m_running = true;
    m_progress = 0;
    m_stage = QStringLiteral("Đang khởi động…");
    m_result.clear();
    emit changed();

    BenchmarkRun *receiver = this;
    const BenchmarkSettings settings = m_settings;
    const std::atomic<bool> *cancel = &m_cancel;
    KELVARO_HANDOFF_RELEASE(this);
    m_task = QtConcurrent::run([receiver, settings, cancel] {
        KELVARO_HANDOFF_ACQUIRE(receiver);
        const BenchmarkProgress progress = [receiver](int percent, const QString &stage) {
            KELVARO_HANDOFF_RELEASE(receiver);
            emit receiver->progressPosted(percent, stage, QPrivateSignal());
        };
        const QVariantMap result = runCpuBenchmark(settings, progress, *cancel);
        KELVARO_HANDOFF_RELEASE(receiver);
        if (!cancel->load())
            emit receiver->finishedPosted(result, QPrivateSignal());
        // The destructor waits for the task and then takes this object apart.
        KELVARO_HANDOFF_RELEASE(receiver);
    });
}

void BenchmarkRun::onProgress(int percent, QString stage)
{
    KELVARO_HANDOFF_ACQUIRE(this);
    m_progress = percent;
    m_stage = std::move(stage);
    m_running = true;
    emit changed();
}

void BenchmarkRun::onFinished(QVariantMap result)
{
    KELVARO_HANDOFF_ACQUIRE(this);
    m_result = std::move(result);
    m_progress = 100;
    m_stage = QStringLiteral("Hoàn tất");
    m_running = false;
    m_busy = false;
    emit changed();
}
