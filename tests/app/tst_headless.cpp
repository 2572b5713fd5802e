#include "app/headlessexport.h"
#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "testregistry.h"

#include <QTest>
#include <QTimer>

namespace {

// A phase that finishes after the given time (never when negative) and logs what happens.
HeadlessPhase timedPhase(const QString &name, int finishAfterMs, int boundMs, QStringList &log)
{
    HeadlessPhase phase;
    phase.start = [name, finishAfterMs, &log](QObject *context, std::function<void()> finished) {
        log << name + " start";
        if (finishAfterMs >= 0)
            QTimer::singleShot(finishAfterMs, context, [name, finished, &log] {
                log << name + " done";
                finished();
                finished(); // a second report changes nothing
            });
    };
    phase.stop = [name, &log] { log << name + " stopped"; };
    phase.boundMs = boundMs;
    return phase;
}

} // namespace

class TestHeadless : public QObject {
    Q_OBJECT

private slots:
    void everyFormatInOrderWithOneLineEach()
    {
        HardwareController hardware(fakeCollectorFactory());
        QStringList calls;
        int recomputed = 0;
        const HeadlessReport report{[&] { ++recomputed; },
                                    [&](const QString &format) {
                                        calls << format;
                                        return format == "json" ? QString() : "/out/report." + format;
                                    }};
        QString text;
        QTextStream out(&text);
        const int code = runHeadlessExport(hardware, report, {"pdf", "html", "json", "csv"}, out, 10000);
        QCOMPARE(code, 1);
        QCOMPARE(recomputed, 1);
        QCOMPARE(calls, (QStringList{"pdf", "html", "json", "csv"}));
        QCOMPARE(text,
                 QString("OK: /out/report.pdf\nOK: /out/report.html\nFAILED: json\nOK: /out/report.csv\n"));
    }

    void noScanResultInTimeIsTwoAndSilent()
    {
        QSemaphore gate;
        HardwareController hardware(fakeCollectorFactory({}, {}, &gate));
        bool exported = false;
        const HeadlessReport report{{}, [&](const QString &) {
                                        exported = true;
                                        return QString("/x");
                                    }};
        QString text;
        QTextStream out(&text);
        QCOMPARE(runHeadlessExport(hardware, report, {"pdf"}, out, 200), 2);
        QVERIFY(text.isEmpty());
        gate.release(); // let the scan end so the controller can go
        QTRY_VERIFY(!hardware.scanning());
        QVERIFY2(!exported, "a result after the time-out exports nothing");
    }

    void phasesRunInOrderBetweenScanAndExports()
    {
        HardwareController hardware(fakeCollectorFactory());
        QStringList log;
        HeadlessReport report{[&] { log << "recompute"; },
                              [&](const QString &format) {
                                  log << "export " + format;
                                  return "/x." + format;
                              }};
        // The phases outlast the short scan guard; a stuck one is given up at its own bound.
        report.phases.push_back(timedPhase("bench", 300, 5000, log));
        report.phases.push_back(timedPhase("stuck", -1, 100, log));
        report.phases.push_back(timedPhase("late", 1000, 50, log));
        report.phases.push_back(timedPhase("stress", 0, 5000, log));
        QString text;
        QTextStream out(&text);
        QCOMPARE(runHeadlessExport(hardware, report, {"json"}, out, 200), 0);
        QCOMPARE(log,
                 (QStringList{"bench start", "bench done", "stuck start", "stuck stopped", "late start",
                              "late stopped", "stress start", "stress done", "recompute", "export json"}));
        QCOMPARE(text, QString("OK: /x.json\n"));
    }
};

KELVARO_TEST(TestHeadless)
#include "tst_headless.moc"
