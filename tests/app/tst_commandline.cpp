#include "app/commandline.h"
#include "datarow.h"
#include "testregistry.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void exportFormats_data()
    {
        addColumns<QStringList, QStringList>("args", "formats");
        QTest::newRow("last argument: pdf") << QStringList{"kelvaro", "--export"} << QStringList{"pdf"};
        QTest::newRow("all in capitals")
            << QStringList{"kelvaro", "--export", "ALL"} << QStringList{"pdf", "html", "json", "csv"};
        QTest::newRow("unknown format kept, lower-cased")
            << QStringList{"kelvaro", "--export", "XmL"} << QStringList{"xml"};
        QTest::newRow("anywhere, first occurrence wins")
            << QStringList{"kelvaro", "--benchmark", "--export", "Html", "--export", "csv"}
            << QStringList{"html"};
        QTest::newRow("as --export=value") << QStringList{"kelvaro", "--export=JSON"} << QStringList{"json"};
    }

    void exportFormats()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, formats);
        const CommandLine line = parseCommandLine(args);
        QVERIFY(line.exportMode);
        QCOMPARE(line.formats, formats);
        QVERIFY(line.error.isEmpty());
    }

    void unknownOrStrayArgumentsAreRefused()
    {
        const QList<QStringList> refused{{"-x"},
                                         {"export"},
                                         {"--export", "json", "extra"},
                                         {"--export", "--frobnicate"},
                                         {"--verbose", "--export"},
                                         {"--benchmark=1", "--export"},
                                         {"--export", "-platform", "offscreen", "stray"}};
        for (const QStringList &args : refused)
            QVERIFY2(!parseCommandLine(QStringList{"kelvaro"} + args).error.isEmpty(),
                     qPrintable(args.join(' ')));
        // Qt's own window options are passed on, not refused.
        const CommandLine window = parseCommandLine(
            {"kelvaro", "-style", "Fusion", "--inspect=hw,cpuBench", "--screenshots=shots", "-reverse"});
        QVERIFY2(window.error.isEmpty(), qPrintable(window.error));
        QCOMPARE(window.inspectPhases, (QStringList{"hw", "cpuBench"}));
        QCOMPARE(window.screenshotsDir, QString("shots"));
    }

    void helpVersionAndRecording()
    {
        // The program's own runs show --help, --version and a recorded profile.
        QVERIFY(parseCommandLine({"kelvaro", "-h"}).help);
        QVERIFY(!parseCommandLine({"kelvaro", "--record-profile"}).error.isEmpty());
        QVERIFY(!parseCommandLine({"kelvaro", "--record-profile", "--export"}).error.isEmpty());
    }

    void scriptOptions()
    {
        CommandLine line =
            parseCommandLine({"kelvaro", "--stress", "45", "--export", "--output", "out dir", "--benchmark"});
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.formats, QStringList{"pdf"}); // an option after --export is not a format
        QCOMPARE(line.outputFolder, QString("out dir"));
        QVERIFY(line.benchmark);
        QCOMPARE(line.stressSeconds, 45);

        line =
            parseCommandLine({"kelvaro", "--export=csv", "--output=a=b", "--stress=5", "--record-profile=p"});
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.outputFolder, QString("a=b"));
        QCOMPARE(line.stressSeconds, 5);
        QCOMPARE(line.recordProfile, QString("p"));

        const QList<QStringList> malformed{{"--export", "--output"},
                                           {"--export", "--output", "--benchmark"},
                                           {"--export", "--stress", "30s"},
                                           {"--export", "--stress", "0"},
                                           {"--export", "--stress", "86401"},
                                           {"--export", "--stress"},
                                           {"--benchmark"},
                                           {"--output", "x"},
                                           {"--export", "--output="}};
        for (const QStringList &args : malformed)
            QVERIFY2(!parseCommandLine(QStringList{"kelvaro"} + args).error.isEmpty(),
                     qPrintable(args.join(' ')));
    }

    void windowOptions()
    {
        const QStringList all{"hw", "cpuBench", "cpuStress", "gpuBench", "gpuStress"};
        CommandLine line = parseCommandLine({"kelvaro", "--inspect", "-platform", "xcb"});
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.inspectPhases, all); // a Qt option is not a phase list
        line = parseCommandLine({"kelvaro", "--inspect", "GPUBENCH,hw,hw", "--screenshots", "out"});
        QCOMPARE(line.inspectPhases, (QStringList{"gpuBench", "hw"}));
        QCOMPARE(line.screenshotsDir, QString("out"));
        QVERIFY(!line.exportMode);

        const QList<QStringList> malformed{{"--inspect", "hw,"},
                                           {"--inspect", "cpu"},
                                           {"--screenshots", "--inspect"},
                                           {"--inspect", "--export"},
                                           {"--screenshots", "d", "--record-profile", "p.json"}};
        for (const QStringList &args : malformed)
            QVERIFY2(!parseCommandLine(QStringList{"kelvaro"} + args).error.isEmpty(),
                     qPrintable(args.join(' ')));
    }
};

KELVARO_TEST(TestCommandLine)
#include "tst_commandline.moc"
