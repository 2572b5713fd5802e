#pragma once

#include "hardware/hardwaresnapshot.h"
#include "interactive/screentestresult.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// Everything the score and the exports read, gathered from the controllers at one moment.
struct ReportInputs {
    HardwareSnapshot hardware;
    QVariantMap benchmark;
    QVariantMap gpuResult;
    double stressMaxLoad = 0;
    // Unconfirmed without a screen-test controller.
    ScreenTestResult screenTest;
};

// The computed score as the pages and every export show it.
struct ReportSummary {
    int overall = 0;
    QString grade;
    QString gradeColor;
    QVariantList categories; // rows with name, score, weight, note, na
    QString generatedAt;     // "dd/MM/yyyy HH:mm:ss"
};
