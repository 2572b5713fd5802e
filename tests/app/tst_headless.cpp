#include "app/headlessexport.h"
#include "fakecollector.h"
#include "hardware/hardwarecontroller.h"
#include "testregistry.h"

#include <QTest>

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

    void allWrittenIsZero()
    {
        HardwareController hardware(fakeCollectorFactory());
        const HeadlessReport report{{}, [](const QString &f) { return "/x." + f; }};
        QString text;
        QTextStream out(&text);
        QCOMPARE(runHeadlessExport(hardware, report, {"html"}, out, 10000), 0);
        QCOMPARE(text, QString("OK: /x.html\n"));
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
};

KELVARO_TEST(TestHeadless)
#include "tst_headless.moc"
