#include "hardware/hardwarecontroller.h"

#include "hardware/gpukind.h"
#include "platform/tsan_annotations.h"

#include <QDateTime>
#include <QtConcurrent>

HardwareController::HardwareController(QObject *parent) : HardwareController(createCollector, parent) {}

HardwareController::HardwareController(CollectorFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    static const int registered = qRegisterMetaType<HardwareSnapshot>("HardwareSnapshot");
    Q_UNUSED(registered)
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &HardwareController::onFinished);
    connect(this, &HardwareController::progressPosted, this, &HardwareController::setProgress,
            Qt::QueuedConnection);
}

HardwareController::~HardwareController()
{
    // The task posts progress to this object; it must be over before the object goes.
    m_watcher.waitForFinished();
    KELVARO_HANDOFF_ACQUIRE(this);
}

void HardwareController::scan()
{
    if (m_scanning)
        return;
    m_scanning = true;
    emit scanningChanged();
    m_progress = 0;
    m_stage = QStringLiteral("Bắt đầu quét...");
    emit progressChanged();

    HardwareController *receiver = this;
    const CollectorFactory factory = m_factory;
    KELVARO_HANDOFF_RELEASE(this);
    m_watcher.setFuture(QtConcurrent::run([receiver, factory]() {
        KELVARO_HANDOFF_ACQUIRE(receiver);
        std::unique_ptr<IHardwareCollector> collector = factory ? factory() : nullptr;
        HardwareSnapshot result;
        if (collector) {
            const ScanProgress progress = [receiver](int percent, const QString &stage) {
                KELVARO_HANDOFF_RELEASE(receiver);
                emit receiver->progressPosted(percent, stage, QPrivateSignal());
            };
            result = collector->collect(progress);
            collector.reset();
        }
        // Handed over in place rather than as the future's result, which Qt copies after the task.
        receiver->m_scanned = std::move(result);
        KELVARO_HANDOFF_RELEASE(receiver);
    }));
}

void HardwareController::setProgress(int pct, QString stage)
{
    KELVARO_HANDOFF_ACQUIRE(this);
    m_progress = pct;
    m_stage = std::move(stage);
    emit progressChanged();
}

void HardwareController::onFinished()
{
    KELVARO_HANDOFF_ACQUIRE(this);
    m_snapshot = std::move(m_scanned);
    m_scanned = {};
    m_scanning = false;
    m_hasScanned = true;
    m_lastScan = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    emit scanningChanged();
    emit dataChanged();
}

bool HardwareController::isDedicatedGpu(const QVariantMap &gpu) const
{
    return ::isDedicatedGpu(gpu);
}
