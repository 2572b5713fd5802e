#include "perf/benchmarkrun.h"

#include "perf/cpubenchmark.h"

#include <QMetaObject>
#include <QtConcurrent>

BenchmarkRun::BenchmarkRun(BenchmarkSettings settings) : m_settings(std::move(settings)) {}

BenchmarkRun::~BenchmarkRun()
{
    cancel();
    m_task.waitForFinished();
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
    m_task = QtConcurrent::run([receiver, settings, cancel] {
        const BenchmarkProgress progress = [receiver](int percent, const QString &stage) {
            QMetaObject::invokeMethod(
                receiver, [receiver, percent, stage] { receiver->onProgress(percent, stage); },
                Qt::QueuedConnection);
        };
        const QVariantMap result = runCpuBenchmark(settings, progress, *cancel);
        if (!cancel->load())
            QMetaObject::invokeMethod(
                receiver, [receiver, result] { receiver->onFinished(result); }, Qt::QueuedConnection);
    });
}

void BenchmarkRun::onProgress(int percent, QString stage)
{
    m_progress = percent;
    m_stage = std::move(stage);
    m_running = true;
    emit changed();
}

void BenchmarkRun::onFinished(QVariantMap result)
{
    m_result = std::move(result);
    m_progress = 100;
    m_stage = QStringLiteral("Hoàn tất");
    m_running = false;
    m_busy = false;
    emit changed();
}
