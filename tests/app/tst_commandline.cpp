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
};

KELVARO_TEST(TestCommandLine)
#include "tst_commandline.moc"
