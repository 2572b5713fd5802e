#include "app/headlessexport.h"

#include "hardware/hardwarecontroller.h"

#include <QEventLoop>
#include <QTimer>

int runHeadlessExport(HardwareController &hardware, const HeadlessReport &report, const QStringList &formats,
                      QTextStream &out, int timeoutMs)
{
    QEventLoop loop;
    bool done = false; // only the first completed scan matters
    QObject::connect(&hardware, &HardwareController::dataChanged, &loop, [&]() {
        if (done)
            return;
        done = true;
        if (report.recompute)
            report.recompute();
        int failures = 0;
        for (const QString &format : formats) {
            const QString path = report.exportAs ? report.exportAs(format) : QString();
            if (path.isEmpty()) {
                out << "FAILED: " << format << Qt::endl;
                ++failures;
            } else {
                out << "OK: " << path << Qt::endl;
            }
        }
        out.flush();
        loop.exit(failures ? 1 : 0);
    });
    QTimer::singleShot(timeoutMs, &loop, [&]() {
        done = true;
        loop.exit(2);
    });
    hardware.scan();
    return loop.exec();
}
