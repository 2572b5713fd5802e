#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantList>

// One reading of the live monitor. A part that could not be read keeps its default.
struct PerfSample {
    double cpu = 0;     // percent over all cores
    QVariantList cores; // percent per core
    double ramPercent = 0;
    QString ramUsed; // "2.0 GB"; empty when memory was not readable
    QString ramTotal;
    double temp = -1.0; // hottest zone in °C; -1 when unknown
    bool tempOk = false;
};
Q_DECLARE_METATYPE(PerfSample)
