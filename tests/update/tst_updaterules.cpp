#include "testregistry.h"
#include "update/installername.h"
#include "update/updateaddresses.h"
#include "update/updaterules.h"

#include <QTest>

class TestUpdateRules : public QObject {
    Q_OBJECT

private slots:
    void versionsCompareAsNumbers_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("prefix and suffix dropped") << "V2.0.0-rc1"
                                                   << "0.21.15" << 1;
        QTest::newRow("missing part is 0") << "1.2"
                                           << "1.2.0" << 0;
        QTest::newRow("numeric, not text") << "1.10"
                                           << "1.9" << 1;
        QTest::newRow("non-number part is 0") << "1.2a"
                                              << "1.0" << 0;
        QTest::newRow("older") << " v0.21.9 "
                               << "0.21.15" << -1;
        QTest::newRow("suffix only after dash") << "0.21.15-hotfix.9"
                                                << "0.21.15" << 0;
        QTest::newRow("empty parts kept") << "1..2"
                                          << "1.0.1" << 1;
    }
    void versionsCompareAsNumbers()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(compareVersions(a, b), expected);
        QCOMPARE(compareVersions(b, a), -expected);
    }

    void sizesAndProgress()
    {
        QCOMPARE(transferSizeText(0), QString());
        QCOMPARE(transferSizeText(-5), QString());
        QCOMPARE(transferSizeText(1023), QStringLiteral("1 KB"));
        QCOMPARE(transferSizeText(1024 * 1024 - 1), QStringLiteral("1024 KB"));
        QCOMPARE(transferSizeText(1024 * 1024), QStringLiteral("1.0 MB"));
        QCOMPARE(transferSizeText(52690944), QStringLiteral("50.3 MB"));

        QCOMPARE(downloadFraction(150, 100), 1.0);
        QCOMPARE(downloadFraction(25, 100), 0.25);
        QCOMPARE(downloadFraction(25, 0), 0.0);
    }

    void installerNamesStayInTheFolder_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        const QString fallback = QStringLiteral("Kelvaro-setup.exe");
        QTest::newRow("plain") << "https://127.0.0.1/d/Kelvaro-0.22.0.exe?x=1"
                               << "Kelvaro-0.22.0.exe";
        QTest::newRow("decoded") << "https://127.0.0.1/d/Kelvaro%20Setup%20%C4%91.exe"
                                 << "Kelvaro Setup đ.exe";
        QTest::newRow("folder address") << "https://127.0.0.1/d/" << fallback;
        QTest::newRow("encoded slashes") << "https://127.0.0.1/d/..%2F..%2Fevil.exe" << fallback;
        QTest::newRow("encoded backslash") << "https://127.0.0.1/d/a%5Cb.exe" << fallback;
        QTest::newRow("dot dot") << "https://127.0.0.1/d/%2E%2E" << fallback;
        QTest::newRow("drive letter") << "https://127.0.0.1/d/C%3Aevil.exe" << fallback;
        QTest::newRow("device") << "https://127.0.0.1/d/CON.exe" << fallback;
        QTest::newRow("device, lower case, space") << "https://127.0.0.1/d/lpt1%20.tar.exe" << fallback;
        QTest::newRow("nul byte") << "https://127.0.0.1/d/%00.exe" << fallback;
        QTest::newRow("trailing dot") << "https://127.0.0.1/d/setup.exe." << fallback;
        QTest::newRow("device-like but longer") << "https://127.0.0.1/d/CONSOLE.exe"
                                                << "CONSOLE.exe";
    }
    void installerNamesStayInTheFolder()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QCOMPARE(installerFileName(QUrl(address)), expected);
    }

    void addresses()
    {
        QCOMPARE(manifestAddress("https://127.0.0.1:8443/", "", 42).toString(),
                 QStringLiteral("https://127.0.0.1:8443/Download/Kelvaro-latest.json?t=42"));
        // The override wins, and its own query gives way to the cache breaker.
        QCOMPARE(manifestAddress("https://127.0.0.1:8443", " https://127.0.0.1:9443/m.json?channel=beta ", 7)
                     .toString(),
                 QStringLiteral("https://127.0.0.1:9443/m.json?t=7"));
        QVERIFY(manifestAddress("", "", 7).isEmpty());
        QCOMPARE(downloadPageAddress("https://127.0.0.1:8443/").toString(),
                 QStringLiteral("https://127.0.0.1:8443/Download"));
        QVERIFY(downloadPageAddress("").isEmpty());
    }
};

KELVARO_TEST(TestUpdateRules)
#include "tst_updaterules.moc"
