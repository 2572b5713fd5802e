// The command line's hold on the window, against a stand-in with the window's QML interface.
#include "app/windowdriver.h"
#include "testregistry.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QVariantMap>

class FakeWindow : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool fullScanRunning MEMBER running NOTIFY fullScanRunningChanged)
    Q_PROPERTY(bool shotExporting MEMBER exporting NOTIFY shotExportingChanged)
    Q_PROPERTY(QVariantList sections MEMBER sections CONSTANT)

public:
    bool running = false;
    bool exporting = false;
    QVariantList sections{QVariantMap{{"key", "dashboard"}}, QVariantMap{{"key", "report"}}};
    QVariantMap scanOptions;
    QString exportDir;

    Q_INVOKABLE QVariant runScan(const QVariant &options)
    {
        scanOptions = options.toMap();
        setRunning(true);
        return true;
    }
    Q_INVOKABLE QVariant exportAllScreenshots(const QVariant &dir)
    {
        if (running)
            return false; // the window refuses during a run
        exportDir = dir.toString();
        exporting = true;
        emit shotExportingChanged();
        return true;
    }
    void setRunning(bool on)
    {
        running = on;
        emit fullScanRunningChanged();
    }
    void endExport()
    {
        exporting = false;
        emit shotExportingChanged();
    }

signals:
    void fullScanRunningChanged();
    void shotExportingChanged();
    void screenshotTaken(const QString &path, const QString &fileName, bool saved);
    void inspectionPhaseEnded(const QString &phase, bool byWatchdog);
};

class TestWindowDriver : public QObject {
    Q_OBJECT

private slots:
    void imagesFollowTheInspection()
    {
        FakeWindow window;
        QString text;
        QTextStream out(&text);
        WindowDriver driver(&window, {true, {"hw"}, "/shots"}, out);
        QSignalSpy finished(&driver, &WindowDriver::finished);
        driver.start();
        QCOMPARE(window.scanOptions.value("hw"), QVariant(true));
        QCOMPARE(window.scanOptions.value("gpuStress"), QVariant(false));
        QVERIFY(window.exportDir.isEmpty());

        window.setRunning(false);
        QTRY_COMPARE(window.exportDir, QString("/shots"));
        emit window.screenshotTaken("/shots/01_dashboard.png", "01_dashboard.png", true);
        emit window.screenshotTaken("/shots/02_report.png", "02_report.png", false);
        window.endExport();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0), (QVariantList{1, false}));
        QCOMPARE(text, QDir::toNativeSeparators("OK: /shots/01_dashboard.png") + "\nFAILED: 02_report.png\n");
    }

    void anExportThatNeverEndsIsCutOff()
    {
        FakeWindow window;
        QString text;
        QTextStream out(&text);
        WindowDriver::Options options{false, {}, "/shots"};
        options.imagesMarginMs = 50;
        WindowDriver driver(&window, options, out);
        QSignalSpy finished(&driver, &WindowDriver::finished);
        driver.start();
        emit window.screenshotTaken("/shots/01_dashboard.png", "01_dashboard.png", true);
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.at(0), (QVariantList{1, true}));
        QVERIFY2(text.endsWith("\nFAILED: 02_report.png\n"), qPrintable(text));
        window.endExport(); // too late: nothing more is reported
        QCOMPARE(finished.size(), 1);
    }
};

KELVARO_TEST(TestWindowDriver)
#include "tst_windowdriver.moc"
