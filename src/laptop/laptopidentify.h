#pragma once

#include "laptop/laptopmodel.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

// The catalogue entry chosen for a machine; the defaults stand for "no match".
struct LaptopMatch {
    bool found = false;
    QString brand;
    QString series;
    QString formFactor;
    QString cpuPlatform;
    bool cpuSoldered = true;
    QString cpuOptions;
    QString maxRam;
    int ramSlots = 0;
    QString ramType;
    QString boardId;
    QString swapGroup;
    QString upgradeNote;
    QStringList interchangeable;
};

// Picks the entry whose match keys cover most of manufacturer, model and family. The family
// matters because many makers report a machine-type code as the model and the family name
// only there (LENOVO "20L6001ATX", family "ThinkPad T480").
// The memory generation ("ddr4", see ddrGeneration; empty when unknown) is a key like the
// processor vendor: slots are keyed per generation, so an entry naming only other generations
// describes another model.
LaptopMatch identifyLaptop(const QVector<LaptopModel> &catalogue, const QString &manufacturer,
                           const QString &model, const QString &family, const QString &cpuName,
                           const QString &memoryGeneration);

// The generation the machine runs: the summary's type, else the first module that names one.
QString installedMemoryGeneration(const QVariantMap &ramSummary, const QVariantList &ramModules);

// identifyLaptop over snapshot members, as the evaluation and the report both identify.
LaptopMatch identifyMachine(const QVariantMap &system, const QVariantMap &cpu, const QVariantMap &ramSummary,
                            const QVariantList &ramModules);

// The match as the pages and the report show it; every key is always present.
QVariantMap boardMap(const LaptopMatch &match);
