#pragma once

#include "hardware/hardwaresnapshot.h"
#include "testdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

inline QJsonArray realMachinesJson()
{
    return QJsonDocument::fromJson(testDataBytes("laptop/machines.json")).array();
}

// Snapshots of the real machines in tests/data/laptop/machines.json, by id ("D01" …).
inline HardwareSnapshot realMachine(const QString &id)
{
    for (const QJsonValue &value : realMachinesJson()) {
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
