#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

class HardwareController;

// What the headless run needs from the report side.
struct HeadlessReport {
    std::function<void()> recompute;                        // score over the fresh snapshot
    std::function<QString(const QString &format)> exportAs; // written path, empty on failure
};

// One scan, then every format in order with an "OK: "/"FAILED: " line each. Returns 0 when every
// format was written, 1 when one failed, 2 when no scan result arrived within timeoutMs.
int runHeadlessExport(HardwareController &hardware, const HeadlessReport &report, const QStringList &formats,
                      QTextStream &out, int timeoutMs = 60000);
