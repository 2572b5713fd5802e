#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "golden.h"
#include "linuxrows.h"
#include "maptext.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

std::unique_ptr<Source> machine(const char *name)
{
    return std::make_unique<LinuxSource>(testSysRoot(QStringLiteral("sysroots-power/") + name));
}

} // namespace

class TestLinuxBattery : public QObject {
    Q_OBJECT

private slots:
    // A new pack reports full above design: no wear rather than a negative one. A mouse's battery is
    // not the system's, nor is an empty second bay. A gauge counting charge is read in µAh at the
    // design voltage, the halves rounding up. A failing gauge gives no garbage.
    void recordedTrees_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::newRow("new") << "new-battery";
        QTest::newRow("worn, on the charger") << "worn-battery";
        QTest::newRow("counting charge, charging") << "charge-battery";
        QTest::newRow("failing gauge") << "absurd-battery";
        QTest::newRow("no system battery") << "desktop";
    }

    void recordedTrees()
    {
        QFETCH(QString, tree);
        const std::unique_ptr<Source> source = machine(qPrintable(tree));
        const QString rows =
            QStringLiteral("batteries: %1, static data: %2\n")
                .arg(linuxrows::query(*source, "ROOT\\CIMV2", "SELECT * FROM Win32_Battery").size())
                .arg(linuxrows::query(*source, "ROOT\\WMI", "SELECT * FROM BatteryStaticData").size());
        KELVARO_COMPARE_GOLDEN(rows + linesText("battery", runStep(*source, collectBattery)),
                               "battery-" + tree + ".txt");
    }

    void liveBatteryMatchesTheSystem()
    {
        bool systemBattery = false;
        const QDir supplies(QStringLiteral("/sys/class/power_supply"));
        for (const QString &name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString dir = supplies.filePath(name) + QLatin1Char('/');
            systemBattery = systemBattery || (fileBytes(dir + "type").trimmed() == "Battery" &&
                                              fileBytes(dir + "scope").trimmed() != "Device" &&
                                              fileBytes(dir + "present").trimmed() != "0");
        }
        LinuxSource live{SysRoot("/")};
        QCOMPARE(runStep(live, collectBattery).value("present").toBool(), systemBattery);
    }
};

KELVARO_TEST(TestLinuxBattery)
#include "tst_linuxbattery.moc"

#endif
