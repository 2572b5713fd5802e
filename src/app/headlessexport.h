#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

class HardwareController;
class QObject;

// Work between the scan and the exports, such as a benchmark. start() begins it and calls
// finished once it ends; connections it makes should use the given context, which goes when
// the phase ends. A phase still running after boundMs is given up with stop() (when set).
struct HeadlessPhase {
    std::function<void(QObject *context, std::function<void()> finished)> start;
    std::function<void()> stop;
    int boundMs = 60000;
};

// What the headless run needs from the report side.
struct HeadlessReport {
    std::function<void()> recompute;                        // score over the fresh snapshot
    std::function<QString(const QString &format)> exportAs; // written path, empty on failure
    std::vector<HeadlessPhase> phases = {};                 // run in order after the scan
    std::function<QString()> failureReason = {};            // why the last export failed
};

// One scan, the phases, then every format in order with an "OK: "/"FAILED: " line each; the
// reason for a failure goes to the standard error and the log, each written path to the log.
// Returns 0 when every format was written, 1 when one failed, 2 when no scan result arrived
// within timeoutMs (the phases have their own bounds).
int runHeadlessExport(HardwareController &hardware, const HeadlessReport &report, const QStringList &formats,
                      QTextStream &out, int timeoutMs = 60000);
