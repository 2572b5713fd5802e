#pragma once

#include <QString>
#include <QStringList>

// What the screen-test marking sheet saved. Unconfirmed means no result: the report leaves it out.
struct ScreenTestResult {
    QStringList faults;
    QString note;
    QString verdict;
    QString verdictLevel; // "ok", "warn" or "bad"; anything else is shown neutral
    bool confirmed = false;
};
