#include "hardware/hardwarecontroller.h"

#include "hardware/gpukind.h"

#include <QDateTime>
#include <QMetaObject>
#include <QtConcurrent>

HardwareController::HardwareController(QObject *parent) : HardwareController(createCollector, parent) {}

HardwareController::HardwareController(CollectorFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    static const int registered = qRegisterMetaType<HardwareSnapshot>("HardwareSnapshot");
    Q_UNUSED(registered)
    connect(&m_watcher, &QFutureWatcher<HardwareSnapshot>::finished, this, &HardwareController::onFinished);
}

HardwareController::~HardwareController()
{
    // The task posts progress to this object; it must be over before the object goes.
    m_watcher.waitForFinished();
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

    QObject *receiver = this;
    const CollectorFactory factory = m_factory;
    m_watcher.setFuture(QtConcurrent::run([receiver, factory]() {
        std::unique_ptr<IHardwareCollector> collector = factory ? factory() : nullptr;
        if (!collector)
            return HardwareSnapshot{};
        const ScanProgress progress = [receiver](int percent, const QString &stage) {
            QMetaObject::invokeMethod(receiver, "setProgress", Qt::QueuedConnection, Q_ARG(int, percent),
                                      Q_ARG(QString, stage));
        };
        HardwareSnapshot result = collector->collect(progress);
        collector.reset();
        return result;
    }));
}

void HardwareController::setProgress(int pct, QString stage)
{
    m_progress = pct;
    m_stage = std::move(stage);
    emit progressChanged();
}

void HardwareController::onFinished()
{
    m_snapshot = m_watcher.result();
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
