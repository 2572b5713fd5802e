#pragma once

#include "hardware/hardwaresnapshot.h"
#include "hardware/ihardwarecollector.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <deque>
#include <memory>

// Snapshots of the real machines in tests/data/laptop/machines.json, by id ("D01" …).
inline HardwareSnapshot realMachine(const QString &id)
{
    QFile file(QStringLiteral(KELVARO_TEST_DATA "/laptop/machines.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray machines = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue &value : machines) {
        const QJsonObject machine = value.toObject();
        if (machine.value(QStringLiteral("id")).toString() != id)
            continue;
        HardwareSnapshot snapshot;
        snapshot.system = machine.value(QStringLiteral("system")).toObject().toVariantMap();
        snapshot.cpu = machine.value(QStringLiteral("cpu")).toObject().toVariantMap();
        snapshot.ramSummary = machine.value(QStringLiteral("ramSummary")).toObject().toVariantMap();
        snapshot.ramModules = machine.value(QStringLiteral("ramModules")).toArray().toVariantList();
        snapshot.disks = machine.value(QStringLiteral("disks")).toArray().toVariantList();
        return snapshot;
    }
    return {};
}

// One snapshot per scan, in the order queued; scans run one after the other.
using SnapshotQueue = std::deque<HardwareSnapshot>;

class FixedCollector : public IHardwareCollector {
public:
    explicit FixedCollector(HardwareSnapshot snapshot) : m_snapshot(std::move(snapshot)) {}
    HardwareSnapshot collect(const ScanProgress &) override { return m_snapshot; }

private:
    HardwareSnapshot m_snapshot;
};

inline CollectorFactory queuedCollectorFactory(const std::shared_ptr<SnapshotQueue> &queue)
{
    return [queue]() {
        std::unique_ptr<IHardwareCollector> collector;
        if (!queue->empty()) {
            collector = std::make_unique<FixedCollector>(queue->front());
            queue->pop_front();
        }
        return collector;
    };
}
