#pragma once

#include "hardware/hardwaresnapshot.h"
#include "hardware/ihardwarecollector.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

// Runs the inventory scan in the background, one at a time, and publishes its snapshot.
class HardwareController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool scanning READ scanning NOTIFY scanningChanged)
    Q_PROPERTY(bool hasScanned READ hasScanned NOTIFY dataChanged)
    Q_PROPERTY(int progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString stage READ stage NOTIFY progressChanged)
    Q_PROPERTY(QString lastScan READ lastScan NOTIFY dataChanged)
    Q_PROPERTY(QVariantMap system READ system NOTIFY dataChanged)
    Q_PROPERTY(QVariantMap cpu READ cpu NOTIFY dataChanged)
    Q_PROPERTY(QVariantMap ramSummary READ ramSummary NOTIFY dataChanged)
    Q_PROPERTY(QVariantList ramModules READ ramModules NOTIFY dataChanged)
    Q_PROPERTY(QVariantList disks READ disks NOTIFY dataChanged)
    Q_PROPERTY(QVariantMap battery READ battery NOTIFY dataChanged)
    Q_PROPERTY(QVariantList gpus READ gpus NOTIFY dataChanged)
    Q_PROPERTY(QVariantList displays READ displays NOTIFY dataChanged)
    Q_PROPERTY(QVariantList network READ network NOTIFY dataChanged)
    Q_PROPERTY(QVariantMap bluetooth READ bluetooth NOTIFY dataChanged)

public:
    explicit HardwareController(QObject *parent = nullptr);
    // Tests hand in their own collector.
    explicit HardwareController(CollectorFactory factory, QObject *parent = nullptr);
    ~HardwareController() override;

    bool scanning() const { return m_scanning; }
    bool hasScanned() const { return m_hasScanned; }
    int progress() const { return m_progress; }
    QString stage() const { return m_stage; }
    QString lastScan() const { return m_lastScan; }
    const HardwareSnapshot &snapshot() const { return m_snapshot; }

    QVariantMap system() const { return m_snapshot.system; }
    QVariantMap cpu() const { return m_snapshot.cpu; }
    QVariantMap ramSummary() const { return m_snapshot.ramSummary; }
    QVariantList ramModules() const { return m_snapshot.ramModules; }
    QVariantList disks() const { return m_snapshot.disks; }
    QVariantMap battery() const { return m_snapshot.battery; }
    QVariantList gpus() const { return m_snapshot.gpus; }
    QVariantList displays() const { return m_snapshot.displays; }
    QVariantList network() const { return m_snapshot.network; }
    QVariantMap bluetooth() const { return m_snapshot.bluetooth; }

    Q_INVOKABLE void scan();
    // Whether a `gpus` entry is a GPU of its own rather than the processor's graphics; the
    // score decides by the same rule, so the pages and the GPU benchmark can agree with it.
    Q_INVOKABLE bool isDedicatedGpu(const QVariantMap &gpu) const;

signals:
    void scanningChanged();
    void progressChanged();
    void dataChanged();
    // Emitted by the scan task and connected queued: Qt copies the arguments itself, where a
    // posted lambda would be built on one thread and destroyed on the other.
    void progressPosted(int pct, QString stage, QPrivateSignal);

private:
    void onFinished();
    void setProgress(int pct, QString stage);

private:
    CollectorFactory m_factory;
    bool m_scanning = false;
    bool m_hasScanned = false;
    int m_progress = 0;
    QString m_stage;
    QString m_lastScan;
    HardwareSnapshot m_snapshot;
    // Written by the scan task before it ends, taken in onFinished().
    HardwareSnapshot m_scanned;
    QFutureWatcher<void> m_watcher;
};
