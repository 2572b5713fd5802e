#include "testregistry.h"
#include "update/installername.h"
#include "update/updateaddresses.h"
#include "update/updaterules.h"

#include <QTest>

class TestUpdateRules : public QObject {
    Q_OBJECT

private slots:
    void versionsCompareAsNumbers()
    {
        const struct {
            const char *a, *b;
            int expected;
        } cases[] = {
            {"V2.0.0-rc1", "0.21.15", 1},       // prefix and suffix dropped
            {"1.2", "1.2.0", 0},                // a missing part is 0
            {"1.10", "1.9", 1},                 // numeric, not text
            {"1.2a", "1.0", 0},                 // a non-number part is 0
            {" v0.21.9 ", "0.21.15", -1},       // older
            {"0.21.15-hotfix.9", "0.21.15", 0}, // the suffix starts at the dash
            {"1..2", "1.0.1", 1},               // empty parts kept
        };
        for (const auto &c : cases) {
            QCOMPARE(compareVersions(c.a, c.b), c.expected);
            QCOMPARE(compareVersions(c.b, c.a), -c.expected);
        }
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
        QCOMPARE(downloadFraction(25, 0), 0.0);
    }

    // A name that would leave the folder, or that Windows treats specially, gives way to the fallback.
    void installerNamesStayInTheFolder()
    {
        const QString fallback = QStringLiteral("Kelvaro-setup.exe");
        const struct {
            const char *path;
            QString expected;
        } cases[] = {
            {"Kelvaro-0.22.0.exe?x=1", "Kelvaro-0.22.0.exe"},
            {"Kelvaro%20Setup%20%C4%91.exe", "Kelvaro Setup đ.exe"},
            {"", fallback},
            {"..%2F..%2Fevil.exe", fallback},
            {"a%5Cb.exe", fallback},
            {"%2E%2E", fallback},
            {"C%3Aevil.exe", fallback},
            {"CON.exe", fallback},
            {"lpt1%20.tar.exe", fallback},
            {"%00.exe", fallback},
            {"setup.exe.", fallback},
            {"CONSOLE.exe", "CONSOLE.exe"},
        };
        for (const auto &c : cases)
            QCOMPARE(installerFileName(QUrl(QStringLiteral("https://127.0.0.1/d/") + c.path)), c.expected);
    }

    // A base with its final slash. The default address, the override and a build without a server
    // are checked through the controller (tst_updatecheck).
    void addressesOfABaseEndingInASlash()
    {
        QCOMPARE(manifestAddress("https://127.0.0.1:8443/", "", 42).toString(),
                 QStringLiteral("https://127.0.0.1:8443/Download/Kelvaro-latest.json?t=42"));
        QCOMPARE(downloadPageAddress("https://127.0.0.1:8443/").toString(),
                 QStringLiteral("https://127.0.0.1:8443/Download"));
    }
};

KELVARO_TEST(TestUpdateRules)
#include "tst_updaterules.moc"
