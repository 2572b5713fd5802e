#include "testregistry.h"
#include "updatefixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>

namespace {

const QString kDownloadFailed = QStringLiteral("Tải bản cập nhật thất bại. Vui lòng thử lại.");
const QString kIntegrity = QStringLiteral("Kiểm tra toàn vẹn thất bại — tệp có thể bị hỏng. Đã huỷ cài đặt.");

QByteArray installerBytes(int size = 100000)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

QString digestOf(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

class TestUpdateDownload : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        isolateSettings(m_settings);
        qunsetenv("KELVARO_UPDATE_URL");
    }

    void verifiedInstallerIsStarted_data()
    {
        QTest::addColumn<QString>("digest");
        QTest::addColumn<bool>("announceLength");
        QTest::addColumn<bool>("sized");
        const QByteArray bytes = installerBytes();
        QTest::newRow("digest") << digestOf(bytes) << true << true;
        QTest::newRow("digest in upper case, no length") << digestOf(bytes).toUpper() << false << true;
        QTest::newRow("no total known") << QString() << false << false;
    }
    void verifiedInstallerIsStarted()
    {
        QFETCH(QString, digest);
        QFETCH(bool, announceLength);
        QFETCH(bool, sized);
        const QByteArray bytes = installerBytes();
        UpdateRig rig;
        rig.server.serve("/d/Kelvaro-0.22.0.exe", {200, bytes, {}, announceLength});
        QJsonObject extra;
        if (sized)
            extra.insert("size", bytes.size());
        if (!digest.isEmpty())
            extra.insert("sha256", " " + digest + "\n");
        QVERIFY(rig.reachAvailable("/d/Kelvaro-0.22.0.exe", extra));

        QSignalSpy states(rig.update.get(), &UpdateController::stateChanged);
        rig.update->downloadAndInstall();
        QCOMPARE(rig.update->state(), UpdateController::Downloading);
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Ready);
        QCOMPARE(states.count(), 3); // Downloading, Verifying, Ready

        const QString path = rig.folder.filePath("Kelvaro-0.22.0.exe");
        QCOMPARE(rig.update->installerPath(), path);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), bytes);
        QCOMPARE(rig.leftInFolder(), QStringList{"Kelvaro-0.22.0.exe"});
        QCOMPARE(rig.started,
                 QStringList({QDir::toNativeSeparators(path), "/SILENT", "/SUPPRESSMSGBOXES", "/NORESTART"}));
        QCOMPARE(rig.quits, 1);
        // Without a length from the server the manifest's size gives the progress; with neither
        // there is none to show.
        const bool totalKnown = announceLength || sized;
        QCOMPARE(rig.update->downloadProgress(), totalKnown ? 1.0 : 0.0);
        QCOMPARE(rig.update->downloadSizeText(), totalKnown ? QStringLiteral("98 KB / 98 KB") : QString());
        QVERIFY(rig.server.lastHead().contains("Cache-Control: no-cache\r\n"));
    }

    void rejectedDownloadsLeaveNoFile()
    {
        struct Case {
            const char *name;
            CannedReply reply;
            QJsonObject extra;
            QString message;
        };
        const QByteArray bytes = installerBytes();
        const QByteArray tampered = QByteArray(bytes).replace(500, 1, "!");
        const QJsonObject sized{{"size", bytes.size()}};
        UpdateRig rig;
        // Following the redirect would fetch an installer there.
        LoopbackServer plain(false);
        plain.serve("/d/setup.exe", {200, bytes});
        const Case cases[] = {
            {"digest differs", {200, tampered}, {{"sha256", digestOf(bytes)}}, kIntegrity},
            {"larger than announced", {200, bytes + "tail"}, sized, kIntegrity},
            {"larger, server says nothing", {200, bytes + "tail", {}, false}, sized, kIntegrity},
            {"shorter than announced", {200, bytes.left(900), {}, false}, sized, kIntegrity},
            {"beyond the ceiling", {200, installerBytes(300 * 1024), {}, false}, {}, kDownloadFailed},
            {"HTTP error", {404, "gone"}, {}, kDownloadFailed},
            {"redirect to HTTP", {302, "", plain.base().toUtf8() + "/d/setup.exe"}, {}, kDownloadFailed},
            {"server stops sending", {200, bytes, {}, true, 30000}, {}, kDownloadFailed},
        };
        for (const Case &c : cases) {
            rig.server.serve("/d/setup.exe", c.reply);
            rig.update->cancel();
            QVERIFY2(rig.reachAvailable("/d/setup.exe", c.extra), c.name);
            rig.update->downloadAndInstall();
            QVERIFY2(rig.settle(), c.name);
            QVERIFY2(rig.update->state() == UpdateController::Error, c.name);
            QCOMPARE(rig.update->errorString(), c.message);
            QVERIFY2(rig.leftInFolder().isEmpty(), c.name);
        }
        QVERIFY(rig.started.isEmpty());

        // After an error the download starts again from the beginning.
        rig.server.serve("/d/setup.exe", {200, bytes});
        rig.update->downloadAndInstall();
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Ready);
    }

    void cancelDuringDownload()
    {
        UpdateRig rig;
        const QByteArray bytes = installerBytes();
        rig.server.serve("/d/setup.exe", {200, bytes, {}, true, 40000});
        QVERIFY(rig.reachAvailable("/d/setup.exe"));
        rig.update->downloadAndInstall();
        QTRY_COMPARE(rig.update->downloadProgress(), 0.4);
        // Asking again, or checking, while it runs changes nothing.
        rig.update->downloadAndInstall();
        rig.update->checkForUpdates(false);
        QCOMPARE(rig.server.targets().count(), 2);
        rig.update->cancel();
        QCOMPARE(rig.update->state(), UpdateController::Idle);
        QCOMPARE(rig.update->downloadProgress(), 0.0);
        QCOMPARE(rig.leftInFolder(), QStringList());
        QVERIFY(rig.started.isEmpty());
    }

    void hostileNameAndInstallerThatDoesNotStart()
    {
        UpdateRig rig(true, [] { return false; });
        rig.server.serve("/d/..%2F..%2Fevil.exe", {200, installerBytes(1000)});
        QVERIFY(rig.reachAvailable("/d/..%2F..%2Fevil.exe"));
        rig.update->downloadAndInstall();
        QVERIFY(rig.settle());
        QCOMPARE(rig.update->state(), UpdateController::Error);
        QCOMPARE(rig.update->errorString(), QStringLiteral("Không khởi chạy được trình cài đặt."));
        QCOMPARE(rig.quits, 0);
        // The name that would leave the folder gives way; the file stays for another try.
        QCOMPARE(rig.update->installerPath(), rig.folder.filePath("Kelvaro-setup.exe"));
        QCOMPARE(rig.leftInFolder(), QStringList{"Kelvaro-setup.exe"});
    }

    void withoutInstallerTheDownloadPageOpens()
    {
        UpdateRig rig(false);
        QVERIFY(rig.reachAvailable("/d/setup.exe"));
        QVERIFY(!rig.update->installsUpdates());
        rig.update->downloadAndInstall();
        QCOMPARE(rig.update->state(), UpdateController::Available);
        QCOMPARE(rig.opened, QList<QUrl>{QUrl(rig.server.base() + "/Download")});
        QCOMPARE(rig.server.targets().count(), 1);
    }
};

KELVARO_TEST(TestUpdateDownload)
#include "tst_updatedownload.moc"
