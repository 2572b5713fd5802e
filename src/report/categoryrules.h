#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The six rows of the health score. Each rule reads only the maps it is given; a missing key
// reads as empty, 0 or false.

// Below 0 gives 0, above 100 gives 100, otherwise rounded half up.
int clampAndRound(double value);

// A category row: name, score (clamped and rounded), weight, note, na.
QVariantMap categoryRow(const QString &name, double score, int weight, const QString &note, bool na = false);

QVariantMap cpuCategory(const QVariantMap &cpu);
QVariantMap ramCategory(const QVariantMap &ramSummary);
QVariantMap storageCategory(const QVariantList &disks);
QVariantMap gpuCategory(const QVariantList &gpus, const QVariantMap &gpuResult);
QVariantMap batteryCategory(const QVariantMap &battery);
QVariantMap stabilityCategory(const QVariantMap &benchmark, const QVariantMap &gpuResult,
                              double stressMaxLoad);
