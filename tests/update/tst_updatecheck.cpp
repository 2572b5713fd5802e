#include "testregistry.h"
#include "updatefixture.h"

#include <QRegularExpression>
#include <QSignalSpy>

namespace {

const QString kUnreachable = QStringLiteral("Không kết nối được máy chủ cập nhật. Vui lòng thử lại sau.");
const QString kInvalid = QStringLiteral("Dữ liệu cập nhật không hợp lệ.");
const QString kNoRelease = QStringLiteral("Chưa có bản phát hành cho nền tảng này.");

QJsonObject installerEntry(const QString &url)
{
    return {{"url", url}, {"sha256", "AB"}, {"size", 1572864.7}};
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        isolateSettings(m_settings);
        qunsetenv("KELVARO_UPDATE_URL");
    }
    void init() { QSettings().clear(); }

    void versionsDecideTheState_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("expected");
        QTest::newRow("newer") << "V0.22.0-rc1" << int(UpdateController::Available);
        QTest::newRow("same") << "0.21.15.0" << int(UpdateController::UpToDate);
    }
    void versionsDecideTheState()
    {
        QFETCH(QString, version);
        QFETCH(int, expected);
        UpdateRig rig;
        rig.serveManifest(manifestJson(version, installerEntry(rig.server.base() + "/d/setup.exe")));
        QSignalSpy info(rig.update.get(), &UpdateController::infoChanged);
        rig.update->checkForUpdates(false);
        QCOMPARE(rig.update->state(), UpdateController::Checking);
        QVERIFY(rig.settle());
        QCOMPARE(int(rig.update->state()), expected);
        QCOMPARE(info.count(), 1);
        QCOMPARE(rig.update->latestVersion(), version);
        QCOMPARE(rig.update->downloadSizeText(), QStringLiteral("1.5 MB"));
        QVERIFY(rig.update->errorString().isEmpty());
        QVERIFY(rig.server.targets().at(0).contains(
            QRegularExpression("^/Download/Kelvaro-latest.json\\?t=\\d+$")));
        QVERIFY(rig.server.lastHead().contains("User-Agent: Kelvaro/0.21.15\r\n"));
    }

    void skippedVersionIsQuietOnlyWhenSilent()
    {
        UpdateRig rig;
        const QJsonObject entry = installerEntry(rig.server.base() + "/d/setup.exe");
        QVERIFY(rig.reachAvailable("/d/setup.exe"));
        rig.update->skipThisVersion();
        QCOMPARE(rig.update->state(), UpdateController::Idle);

        QSignalSpy states(rig.update.get(), &UpdateController::stateChanged);
        rig.update->checkForUpdates(true);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Idle);
        QCOMPARE(states.count(), 2); // Checking, then Idle

        rig.update->checkForUpdates(false);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Available);

        rig.update->cancel();
        rig.serveManifest(manifestJson("0.22.0", entry, true));
        rig.update->checkForUpdates(true);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Available);
        QVERIFY(rig.update->mandatory());

        // Another release is not the skipped one.
        rig.serveManifest(manifestJson("0.22.1", entry));
        rig.update->checkForUpdates(true);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Available);
    }

    void failedChecksSayWhy()
    {
        struct Case {
            const char *name;
            CannedReply reply;
            QString message;
        };
        UpdateRig rig;
        const QString base = rig.server.base();
        // Following the redirect would find a newer release there.
        LoopbackServer plain(false);
        plain.serve("/m.json", {200, manifestJson("0.22.0", installerEntry(base + "/a.exe"))});
        const QByteArray huge =
            manifestJson("0.22.0", {{"url", base + "/d/a.exe"}, {"notes", QString(9000, 'x')}});
        const QByteArray insecure = manifestJson("0.22.0", installerEntry("http://127.0.0.1/d/setup.exe"));
        const Case cases[] = {
            {"platform missing",
             {200, manifestJson("0.22.0", installerEntry(base + "/a.exe"), false, "linux-x64")},
             kNoRelease},
            {"no version", {200, manifestJson("", installerEntry(base + "/a.exe"))}, kNoRelease},
            {"not an object", {200, "[1, 2]"}, kInvalid},
            {"not JSON", {200, "<html>"}, kInvalid},
            {"download over plain HTTP", {200, insecure}, kInvalid},
            {"too large, announced", {200, huge}, kInvalid},
            {"too large, unannounced", {200, huge, {}, false}, kInvalid},
            {"HTTP error", {500, manifestJson("0.22.0", installerEntry(base + "/a.exe"))}, kUnreachable},
            {"redirect to HTTP", {302, "", plain.base().toUtf8() + "/m.json"}, kUnreachable},
            {"server stops sending",
             {200, manifestJson("0.22.0", installerEntry(base + "/a.exe")), {}, true, 20},
             kUnreachable},
        };
        for (const Case &c : cases) {
            rig.server.serve("/Download/Kelvaro-latest.json", c.reply);
            rig.update->checkForUpdates(false);
            QVERIFY2(rig.settle(), c.name);
            QVERIFY2(rig.update->state() == UpdateController::Error, c.name);
            QCOMPARE(rig.update->errorString(), c.message);
        }
        QCOMPARE(rig.server.targets().count(), int(std::size(cases)));

        // The same failure in a silent check keeps the message but shows nothing.
        rig.update->checkForUpdates(true);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Idle);
        QCOMPARE(rig.update->errorString(), kUnreachable);
    }

    void unreachableServers()
    {
        UpdateRig rig;
        rig.serveManifest(manifestJson("0.22.0", installerEntry(rig.server.base() + "/a.exe")));
        UpdateOptions options = UpdateOptions::defaults();
        options.currentVersion = "0.21.15";
        options.manifestIdleMs = 3000;
        // The certificate is trusted only where the tests say so.
        options.baseAddress = rig.server.base();
        UpdateController untrusted(options);
        untrusted.checkForUpdates(false);
        QTRY_COMPARE_WITH_TIMEOUT(untrusted.state(), UpdateController::Error, 15000);
        QCOMPARE(untrusted.errorString(), kUnreachable);

        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        options.baseAddress = QStringLiteral("https://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        options.ssl = LoopbackServer::trust();
        UpdateController refused(options);
        refused.checkForUpdates(false);
        QTRY_COMPARE_WITH_TIMEOUT(refused.state(), UpdateController::Error, 15000);
        QCOMPARE(refused.errorString(), kUnreachable);
    }

    void overrideAddressReplacesTheQuery()
    {
        UpdateRig rig;
        rig.server.serve("/beta/m.json",
                         {200, manifestJson("0.21.15", installerEntry(rig.server.base() + "/a.exe"))});
        // Spaces around it are dropped, and its own query gives way to the cache breaker.
        qputenv("KELVARO_UPDATE_URL", (" " + rig.server.base() + "/beta/m.json?channel=beta ").toUtf8());
        rig.update->checkForUpdates(false);
        qunsetenv("KELVARO_UPDATE_URL");
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::UpToDate);
        QVERIFY(rig.server.targets().at(0).contains(QRegularExpression("^/beta/m.json\\?t=\\d+$")));
    }

    void buildWithoutServer()
    {
        UpdateOptions options = UpdateOptions::defaults();
        options.baseAddress.clear();
        QList<QUrl> opened;
        options.openUrl = [&opened](const QUrl &url) {
            opened << url;
            return true;
        };
        UpdateController update(options);
        QVERIFY(!update.hasDownloadPage());
        QSignalSpy states(&update, &UpdateController::stateChanged);
        update.checkForUpdates(true);
        QCOMPARE(states.count(), 0);
        QCOMPARE(update.state(), UpdateController::Idle);

        update.checkForUpdates(false);
        QCOMPARE(update.state(), UpdateController::Error);
        QVERIFY(update.manualCheck());
        QCOMPARE(update.errorString(), QStringLiteral("Bản dựng này không có máy chủ cập nhật."));
        update.openDownloadPage();
        QVERIFY(opened.isEmpty());
    }
};

KELVARO_TEST(TestUpdateCheck)
#include "tst_updatecheck.moc"
