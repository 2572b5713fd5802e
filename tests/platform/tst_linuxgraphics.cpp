#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "datarow.h"
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
using linuxrows::has;
using linuxrows::number;
using linuxrows::text;

namespace {

SysRoot tree(const char *name)
{
    return testSysRoot(QStringLiteral("sysroots-graphics/") + name);
}

QString modesText(const std::vector<DisplayMode> &modes)
{
    QStringList out;
    for (const auto &mode : modes)
        out << QStringLiteral("%1x%2@%3").arg(mode.width).arg(mode.height).arg(mode.frequency);
    return out.join(' ');
}

QString devicesText(const std::vector<DisplayDevice> &devices)
{
    QStringList out;
    for (const auto &device : devices)
        out << QStringLiteral("%1:%2 [%3]")
                   .arg(QString::fromStdString(device.deviceName))
                   .arg(device.stateFlags)
                   .arg(modesText(device.modes));
    return out.join(QStringLiteral(" | "));
}

QString monitorIdsText(const Rows &rows)
{
    QStringList out;
    for (const auto &row : rows)
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(text(row, "InstanceName"), text(row, "UserFriendlyName"), text(row, "SerialNumberID"))
                   .arg(number(row, "YearOfManufacture"))
                   .arg(number(row, "WeekOfManufacture"));
    return out.join(QStringLiteral(" | "));
}

} // namespace

class TestLinuxGraphics : public QObject {
    Q_OBJECT

private slots:
    void pciIdList()
    {
        const std::string ids = "# comment\n"
                                "10de  NVIDIA Corporation\n"
                                "\t1f91  TU117M [GeForce GTX 1650 Mobile / Max-Q]\n"
                                "\t3e9b  Not Intel's\n"
                                "\t\t1f91 3ea0  Not a device line\n"
                                "8086  Intel Corporation\n"
                                "\t3e9b  CoffeeLake-H GT2 [UHD Graphics 630]\n"
                                "\t3EA0  WhiskeyLake-U GT2 [UHD Graphics 620]\n"
                                "\tzzzz  broken line\n"
                                "C 03  Display controller\n"
                                "\t3ea1  class entries are not devices\n";
        const auto lookup = [&](std::uint16_t vendor, std::uint16_t device) {
            std::istringstream stream(ids);
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
        QTest::addColumn<QString>("vendor");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("name");
        addRow("Intel", "Intel Corporation", "WhiskeyLake-U GT2 [UHD Graphics 620]",
               "Intel UHD Graphics 620");
        addRow("AMD", "Advanced Micro Devices, Inc. [AMD/ATI]",
               "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]",
               "AMD Radeon RX 470/480/570/570X/580/580X/590");
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

    void hybridLaptop()
    {
        LinuxSource source(tree("laptop-hybrid"));
        const auto adapters = source.graphicsAdapters();
        QCOMPARE(adapters.size(), std::size_t(2));
        QCOMPARE(adapters[0].description, std::string("Intel UHD Graphics 620"));
        QCOMPARE(adapters[1].description, std::string("NVIDIA GeForce GTX 1650 Mobile / Max-Q"));

        // The kernel's connector order puts the panel first; the empty USB-C port is left out.
        QCOMPARE(
            devicesText(source.displayDevices()),
            QString("card0-eDP-1:5 [1920x1080@60] | card0-HDMI-A-1:1 [1920x1080@60 1680x1050@0 1280x1024@0 "
                    "1440x900@0 1280x800@0 1280x720@0 1024x768@0 800x600@0 720x576@0 720x480@0 640x480@0]"));
        QCOMPARE(monitorIdsText(linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID")),
                 QString("DISPLAY\\BOE065D\\card0-eDP-1 <absent> <absent> 2015 1 | "
                         "DISPLAY\\DEL200B\\card0-HDMI-A-1 D3218HN X9R5K7879PME 2017 32"));

        // The in-kernel driver states no version of its own; a recorded tree knows no current mode.
        const QVariantList gpus = runStep(source, collectGpus);
        QCOMPARE(mapText(gpus.value(0)), QString("name=Intel UHD Graphics 620; vendor=Intel Corporation"));
        QCOMPARE(
            mapText(gpus.value(1)),
            QString(
                "driver=535.183.01; name=NVIDIA GeForce GTX 1650 Mobile / Max-Q; vendor=NVIDIA Corporation"));

        const QVariantList displays = runStep(source, collectDisplays);
        QCOMPARE(displays.size(), 2);
        QCOMPARE(mapText(displays[0]), QString("adapter=Intel UHD Graphics 620; maxRefresh=60 Hz; "
                                               "nativeResolution=1920 x 1080; primary=true; size=15.3\"; "
                                               "vendor=BOE; year=2015"));
        QCOMPARE(mapText(displays[1]),
                 QString("adapter=Intel UHD Graphics 620; maxRefresh=60 Hz; model=D3218HN; "
                         "nativeResolution=1920 x 1080; primary=false; "
                         "serial=X9R5K7879PME; size=31.5\"; vendor=Dell; year=2017"));
    }

    void desktopWithTroubledConnectors()
    {
        LinuxSource source(tree("desktop-radeon"));
        const Rows controllers =
            linuxrows::query(source, "ROOT\\CIMV2", "SELECT AdapterRAM FROM Win32_VideoController");
        QCOMPARE(number(controllers.at(0), "AdapterRAM"), 4294967295ll);
        QCOMPARE(mapText(runStep(source, collectGpus).value(0)),
                 QString("name=AMD Radeon RX 470/480/570/570X/580/580X/590; "
                         "vendor=Advanced Micro Devices, Inc. [AMD/ATI]; vram=8.0 GB"));

        // DP-3 vanished while it was read; HDMI-A-1 is plugged in but not part of the desktop.
        QStringList names;
        for (const auto &device : source.displayDevices())
            names << QString::fromStdString(device.deviceName) + QStringLiteral(":%1").arg(device.stateFlags);
        QCOMPARE(names, QStringList({"card0-DP-1:5", "card0-DP-2:1", "card0-DVI-D-1:1", "card0-HDMI-A-1:0"}));

        // The DVI monitor's EDID fails its checksum: it keeps its place with rows naming nothing.
        const Rows ids = linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID");
        QCOMPARE(ids.size(), std::size_t(3));
        QCOMPARE(ids[2].size(), std::size_t(2));
        QCOMPARE(text(ids[2], "InstanceName"), QString("DISPLAY\\Default_Monitor\\card0-DVI-D-1"));
        const Rows sizes =
            linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorBasicDisplayParams");
        QCOMPARE(sizes.size(), std::size_t(3));
        QVERIFY(!has(sizes[2], "MaxHorizontalImageSize"));

        const QVariantList displays = runStep(source, collectDisplays);
        QCOMPARE(displays.size(), 3);
        QCOMPARE(mapText(displays[0]),
                 QString("adapter=AMD Radeon RX 470/480/570/570X/580/580X/590; maxRefresh=60 Hz; "
                         "model=S24D300; nativeResolution=1920 x 1080; primary=true; "
                         "serial=H4ZKA04085; size=23.4\"; vendor=Samsung; year=2018"));
        QCOMPARE(mapText(displays[1]),
                 QString("adapter=AMD Radeon RX 470/480/570/570X/580/580X/590; "
                         "maxRefresh=144 Hz; nativeResolution=1920 x 1080; primary=false; "
                         "size=24.0\"; vendor=Acer; year=2017"));
        QCOMPARE(mapText(displays[2]), QString("adapter=AMD Radeon RX 470/480/570/570X/580/580X/590; "
                                               "nativeResolution=1920 x 1080; primary=false"));
    }

    void framebufferOnly()
    {
        LinuxSource source(tree("vm-framebuffer"));
        const auto adapters = source.graphicsAdapters();
        QCOMPARE(adapters.size(), std::size_t(1));
        QCOMPARE(adapters[0].flags, 2u);
        QCOMPARE(mapText(runStep(source, collectGpus).value(0)), QString("name=simple-framebuffer"));
        QCOMPARE(monitorIdsText(linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID")),
                 QString("DISPLAY\\Default_Monitor\\card0-Unknown-1 <absent> <absent> -999 -999"));
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
