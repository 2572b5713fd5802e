#pragma once

#include <QMetaType>
#include <QVariantList>
#include <QVariantMap>

// The result of one inventory scan; every member starts empty.
struct HardwareSnapshot {
    QVariantMap system;
    QVariantMap cpu;
    QVariantMap ramSummary;
    QVariantList ramModules;
    QVariantList disks;
    QVariantMap battery;
    QVariantList gpus;
    QVariantList displays;
    QVariantList network;
    QVariantMap bluetooth;
};

bool operator==(const HardwareSnapshot &a, const HardwareSnapshot &b);
inline bool operator!=(const HardwareSnapshot &a, const HardwareSnapshot &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(HardwareSnapshot)
