#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "datarow.h"
#include "golden.h"
#include "linuxrows.h"
#include "maptext.h"
#include "platform/linux/adapter_names.h"
#include "platform/linux/drm_displays.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/linux_source.h"
#include "steprun.h"
#include "sysroots.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace platform;
using namespace platform::linuxbackend;

namespace {

QString modesText(const std::vector<DisplayMode> &modes)
{
    QStringList out;
    for (const auto &mode : modes)
        out << QStringLiteral("%1x%2@%3").arg(mode.width).arg(mode.height).arg(mode.frequency);
    return out.join(' ');
}

QString devicesText(const std::vector<DisplayDevice> &devices)
{
    QString out;
    for (const auto &device : devices)
        out += QStringLiteral("device: %1 flags=%2 [%3]\n")
                   .arg(QString::fromStdString(device.deviceName))
                   .arg(device.stateFlags)
                   .arg(modesText(device.modes));
    return out;
}

} // namespace

class TestLinuxGraphics : public QObject {
    Q_OBJECT

private slots:
    // ../data/sysroots-graphics/pci.ids: two vendors, a subsystem line, a broken line and a class.
    void pciIdList()
    {
        const auto lookup = [](std::uint16_t vendor, std::uint16_t device) {
            std::istringstream stream(testDataBytes("sysroots-graphics/pci.ids").toStdString());
            return lookupIds(stream, vendor, device);
        };
        QCOMPARE(lookup(0x8086, 0x3ea0).device, std::string("WhiskeyLake-U GT2 [UHD Graphics 620]"));
        QCOMPARE(lookup(0x8086, 0x3ea0).vendor, std::string("Intel Corporation"));
        // Neither a device nor a subsystem line under another vendor counts.
        QCOMPARE(lookup(0x8086, 0x3e9b).device, std::string("CoffeeLake-H GT2 [UHD Graphics 630]"));
        QVERIFY(lookup(0x10de, 0x3ea0).device.empty());
        QVERIFY(lookup(0x8086, 0x3ea1).device.empty());
        QCOMPARE(lookup(0x8086, 0x3ea1).vendor, std::string("Intel Corporation"));
        QVERIFY(lookup(0x1002, 0x67df).vendor.empty());
    }

    void adapterNames_data()
    {
        addColumns<QString, QString, QString>("vendor", "device", "name");
        addRow("NVIDIA without a marketing name", "NVIDIA Corporation", "TU117M", "NVIDIA TU117M");
        addRow("maker already named", "VMware", "VMware SVGA II Adapter", "VMware SVGA II Adapter");
        addRow("suffix trimmed", "Red Hat, Inc.", "Virtio 1.0 GPU", "Red Hat Virtio 1.0 GPU");
        addRow("unknown vendor", "", "Some GPU", "Some GPU");
        addRow("no device name", "Intel Corporation", "", "");
    }

    void adapterNames()
    {
        QFETCH(QString, vendor);
        QFETCH(QString, device);
        QTEST(QString::fromStdString(adapterName({vendor.toStdString(), device.toStdString()})), "name");
    }

    void modesFileAndEdidRates()
    {
        QCOMPARE(modesText(parseModesFile("1920x1080\n1920x1080\n1920x1080i\n 1280x720 \nx\n0x0\n99999x1\n"
                                          "800x600junk\n640x480")),
                 QString("1920x1080@0 1280x720@0 640x480@0"));
        Edid edid;
        edid.timings = {{1920, 1080, 144, false}, {1920, 1080, 60, false}, {1920, 1080, 60, true}};
        QCOMPARE(modesText(modesWithEdidRates({{1920, 1080, 0, 0}, {1280, 720, 0, 0}}, edid)),
                 QString("1920x1080@144 1920x1080@60 1280x720@0"));
        QCOMPARE(modesText(modesWithEdidRates({}, edid)), QString("1920x1080@144 1920x1080@60"));
        QCOMPARE(modesText(modesWithEdidRates({{1024, 768, 0, 0}}, std::nullopt)), QString("1024x768@0"));
    }

    void primaryDisplayRule()
    {
        const auto connector = [](const char *name, bool enabled) {
            DrmConnector c;
            c.card = "card0";
            c.connector = name;
            c.enabled = enabled;
            return c;
        };
        QCOMPARE(primaryConnector({connector("DP-1", true), connector("eDP-1", true)}), std::size_t(1));
        QCOMPARE(primaryConnector({connector("eDP-1", false), connector("HDMI-A-1", true)}), std::size_t(1));
        QCOMPARE(primaryConnector({connector("DP-1", false)}), std::size_t(-1));
    }

    // The hybrid laptop: the kernel's connector order puts the panel first and the empty USB-C port
    // is left out; the in-kernel driver states no version of its own; a recorded tree knows no current
    // mode. The desktop: DP-3 vanished while it was read, HDMI-A-1 is plugged in but not part of the
    // desktop, and the DVI monitor's EDID fails its checksum, so it keeps its place naming nothing.
    void recordedTrees_data()
    {
        QTest::addColumn<QString>("tree");
        for (const char *name : {"laptop-hybrid", "desktop-radeon", "vm-framebuffer"})
            QTest::newRow(name) << name;
    }

    void recordedTrees()
    {
        QFETCH(QString, tree);
        LinuxSource source(testSysRoot("sysroots-graphics/" + tree));
        QString text;
        for (const auto &adapter : source.graphicsAdapters())
            text += QStringLiteral("adapter: %1 flags=%2 memory=%3\n")
                        .arg(QString::fromStdString(adapter.description))
                        .arg(adapter.flags)
                        .arg(adapter.dedicatedVideoMemory);
        text += devicesText(source.displayDevices()) + linesText("gpu", runStep(source, collectGpus)) +
                linesText("display", runStep(source, collectDisplays));
        KELVARO_COMPARE_GOLDEN(text, "graphics-" + tree + ".txt");
    }

    void deviceMissingFromTheIdList()
    {
        QTemporaryDir root;
        const QString device = root.path() + "/sys/class/drm/card0/device/";
        QVERIFY(writeFile(device + "vendor", "0x1234\n"));
        QVERIFY(writeFile(device + "device", "0x1111\n"));
        QVERIFY(QFile::link("../../../../bus/pci/drivers/bochs-drm", device + "driver"));
        LinuxSource source{SysRoot(root.path().toStdString())};
        const auto adapters = source.graphicsAdapters();
        QCOMPARE(adapters.size(), std::size_t(1));
        QCOMPARE(adapters[0].description, std::string("bochs-drm (1234:1111)"));
    }

    void liveSystemAgreesWithItself()
    {
        LinuxSource source(SysRoot("/"));
        std::size_t attached = 0;
        for (const auto &device : source.displayDevices())
            attached += (device.stateFlags & 1) ? 1 : 0;
        const Rows ids = linuxrows::query(source, "ROOT\\WMI", "SELECT InstanceName FROM WmiMonitorID");
        QCOMPARE(ids.size(), attached);
        const Rows controllers =
            linuxrows::query(source, "ROOT\\CIMV2", "SELECT Name FROM Win32_VideoController");
        QCOMPARE(controllers.size(), source.graphicsAdapters().size());
    }
};

KELVARO_TEST(TestLinuxGraphics)
#include "tst_linuxgraphics.moc"

#endif
