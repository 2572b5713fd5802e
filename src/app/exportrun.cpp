#include "app/exportrun.h"

#include "app/commandline.h"
#include "app/controllers.h"
#include "app/hardexit.h"
#include "app/headlessexport.h"
#include "app/headlessphases.h"

#include <QDateTime>
#include <QTextStream>

#include <cstdio>

int runExport(Controllers &controllers, const CommandLine &commandLine)
{
    ReportController &report = controllers.report;
    PerfController &perf = controllers.perf;
    if (!commandLine.outputFolder.isEmpty())
        report.setExportFolder(commandLine.outputFolder);
    // One time stamp names every file of the run.
    QDateTime stamp;
    HeadlessReport run{
        [&report, &stamp]() {
            report.compute();
            stamp = QDateTime::currentDateTime();
        },
        [&report, &stamp](const QString &format) { return report.exportReportAt(format, stamp); },
        {},
        [&report]() { return report.lastExportError(); }};
    // The order of the window's full inspection: scan, benchmark, stress test.
    if (commandLine.benchmark)
        run.phases.push_back(benchmarkPhase(perf));
    if (commandLine.stressSeconds > 0)
        run.phases.push_back(stressPhase(perf, commandLine.stressSeconds));
    QTextStream out(stdout);
    const int code = runHeadlessExport(controllers.hardware, run, commandLine.formats, out);
    if (code == 2)
        endAfterScanTimeout();
    // A benchmark that overran its bound may be stuck in a drive: nothing waits for it.
    if (perf.benchRunning())
        exitWithoutWaiting(code);
    return code;
}
