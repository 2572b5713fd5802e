#pragma once

#include "laptop/laptopmodel.h"

#include <QString>
#include <QStringList>
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
LaptopMatch identifyLaptop(const QVector<LaptopModel> &catalogue, const QString &manufacturer,
                           const QString &model, const QString &family, const QString &cpuName);

// The match as the pages and the report show it; every key is always present.
QVariantMap boardMap(const LaptopMatch &match);
