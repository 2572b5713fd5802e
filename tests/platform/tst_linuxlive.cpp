#include "hardware/networkstep.h"
#include "platform/linux/linux_source.h"
#include "testdata.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace platform::linuxbackend;

namespace {

QString sysfsText(const QString &path)
{
    return QString::fromUtf8(fileBytes(path).trimmed());
}

QVariantMap entryNamed(const QVariantList &network, const QString &name)
{
    for (const auto &entry : network) {
        if (entry.toMap().value("name").toString() == name)
            return entry.toMap();
    }
    return {};
}

} // namespace

// The running system, checked against what the kernel publishes about itself.
class TestLinuxLive : public QObject {
    Q_OBJECT

private slots:
    void adaptersOfThisMachine()
    {
        LinuxSource source{SysRoot("/")};
        const QVariantList network =
            networkList(source.networkAdapters(), wifiTable(source.wlanInterfaces()));

        int wired = 0;
        for (const QString &name :
             QDir(QStringLiteral("/sys/class/net")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString base = QStringLiteral("/sys/class/net/") + name;
            const QVariantMap entry = entryNamed(network, name);
            if (sysfsText(base + "/type") == QLatin1String("772")) {
                QVERIFY2(entry.isEmpty(), qPrintable(name)); // loopback is not an adapter to list
                continue;
            }
            const bool wireless = QFile::exists(base + "/wireless") || QFile::exists(base + "/phy80211");
            if (sysfsText(base + "/type") != QLatin1String("1") || !QFile::exists(base + "/device") ||
                wireless)
                continue;
            ++wired;
            QCOMPARE(entry.value("kind").toString(), QString("Ethernet"));
            QCOMPARE(entry.value("mac").toString(), sysfsText(base + "/address").toUpper());
            const QString state = sysfsText(base + "/operstate");
            if (state == QLatin1String("up") || state == QLatin1String("down"))
                QCOMPARE(entry.value("connected").toBool(), state == QLatin1String("up"));
        }
        for (const auto &entry : network) {
            const QVariantMap map = entry.toMap();
            const bool backed = QFile::exists("/sys/class/net/" + map.value("name").toString() + "/device");
            QCOMPARE(map.value("virtual").toBool(), !backed);
        }

        const QVariantMap eth0 = entryNamed(network, QStringLiteral("eth0"));
        if (eth0.isEmpty() || !eth0.value("connected").toBool())
            QSKIP(wired ? "no connected eth0 here" : "no wired adapter here");
        QVERIFY(eth0.value("ipv4").toString().contains(QLatin1Char('.')));
    }
};

KELVARO_TEST(TestLinuxLive)
#include "tst_linuxlive.moc"
