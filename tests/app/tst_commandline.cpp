#include "app/commandline.h"
#include "testregistry.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void exportFormats_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("formats");
        QTest::newRow("last argument: pdf") << QStringList{"kelvaro", "--export"} << QStringList{"pdf"};
        QTest::newRow("all in capitals")
            << QStringList{"kelvaro", "--export", "ALL"} << QStringList{"pdf", "html", "json", "csv"};
        QTest::newRow("unknown format kept, lower-cased")
            << QStringList{"kelvaro", "--export", "XmL"} << QStringList{"xml"};
        QTest::newRow("anywhere, first occurrence wins")
            << QStringList{"kelvaro", "-platform", "offscreen", "--export", "Html", "--export", "csv"}
            << QStringList{"html"};
        QTest::newRow("followed by another option")
            << QStringList{"kelvaro", "--export", "--record-profile", "p.json"} << QStringList{"pdf"};
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

    void withoutExportTheWindowOpens()
    {
        const CommandLine line = parseCommandLine({"kelvaro", "-style", "x", "export"});
        QVERIFY(!line.exportMode);
        QVERIFY(!line.help);
        QVERIFY(line.formats.isEmpty());
    }

    void helpVersionAndRecording()
    {
        QVERIFY(parseCommandLine({"kelvaro", "-h"}).help);
        QVERIFY(parseCommandLine({"kelvaro", "--help"}).help);
        QVERIFY(parseCommandLine({"kelvaro", "--version"}).version);
        QCOMPARE(parseCommandLine({"kelvaro", "--record-profile", "out.json"}).recordProfile,
                 QString("out.json"));
        QVERIFY(!parseCommandLine({"kelvaro", "--record-profile"}).error.isEmpty());
        QVERIFY(!parseCommandLine({"kelvaro", "--record-profile", "--export"}).error.isEmpty());
    }

    void scriptOptionsGoWithExport()
    {
        CommandLine line = parseCommandLine(
            {"kelvaro", "--stress", "45", "--export", "json", "--output", "out dir", "--benchmark"});
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.formats, QStringList{"json"});
        QCOMPARE(line.outputFolder, QString("out dir"));
        QVERIFY(line.benchmark);
        QCOMPARE(line.stressSeconds, 45);

        // An option right after --export is not taken for the format.
        line = parseCommandLine({"kelvaro", "--export", "--output", "x"});
        QCOMPARE(line.formats, QStringList{"pdf"});
        QCOMPARE(line.outputFolder, QString("x"));

        line = parseCommandLine({"kelvaro", "--export"});
        QVERIFY(!line.benchmark);
        QCOMPARE(line.stressSeconds, 0);
        QVERIFY(line.outputFolder.isEmpty());
    }

    void malformedScriptOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("output without folder") << QStringList{"kelvaro", "--export", "--output"};
        QTest::newRow("output followed by option")
            << QStringList{"kelvaro", "--export", "--output", "--benchmark"};
        QTest::newRow("output empty") << QStringList{"kelvaro", "--export", "--output", ""};
        QTest::newRow("stress without seconds") << QStringList{"kelvaro", "--export", "--stress"};
        QTest::newRow("stress not a number") << QStringList{"kelvaro", "--export", "--stress", "30s"};
        QTest::newRow("stress zero") << QStringList{"kelvaro", "--export", "--stress", "0"};
        QTest::newRow("stress negative") << QStringList{"kelvaro", "--export", "--stress", "-5"};
        QTest::newRow("stress over a day") << QStringList{"kelvaro", "--export", "--stress", "86401"};
        QTest::newRow("benchmark without export") << QStringList{"kelvaro", "--benchmark"};
        QTest::newRow("output without export") << QStringList{"kelvaro", "--output", "x"};
    }

    void malformedScriptOptions()
    {
        QFETCH(QStringList, args);
        QVERIFY(!parseCommandLine(args).error.isEmpty());
    }
};

KELVARO_TEST(TestCommandLine)
#include "tst_commandline.moc"
