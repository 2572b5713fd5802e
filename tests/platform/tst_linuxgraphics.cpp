#include <QtGlobal>
#ifdef Q_OS_LINUX

#include "hardware/windowscollector.h"
#include "linuxrows.h"
#include "platform/linux/drm_displays.h"
#include "platform/linux/drm_sysfs.h"
#include "platform/linux/linux_source.h"
#include "platform/linux/pci_ids.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
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
    return SysRoot(std::string(KELVARO_TEST_DATA "/sysroots-graphics/") + name);
}

QString modesText(const std::vector<DisplayMode> &modes)
{
    QStringList out;
    for (const auto &mode : modes)
        out << QStringLiteral("%1x%2@%3").arg(mode.width).arg(mode.height).arg(mode.frequency);
    return out.join(' ');
}

QVariantList gpusOf(Source &source)
{
    WmiConnection cimv2(source);
    cimv2.open(QStringLiteral("ROOT\\CIMV2"));
    return collectGpus(CollectContext{source, cimv2});
}

QVariantList displaysOf(Source &source)
{
    WmiConnection cimv2(source);
    cimv2.open(QStringLiteral("ROOT\\CIMV2"));
    return collectDisplays(CollectContext{source, cimv2});
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
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
                                "\t\t1f91 3ea0  Not a device line\n"
                                "8086  Intel Corporation\n"
                                "\t3e9b  CoffeeLake-H GT2 [UHD Graphics 630]\n"
                                "\t3EA0  WhiskeyLake-U GT2 [UHD Graphics 620]\n"
                                "\tzzzz  broken line\n"
                                "C 03  Display controller\n"
                                "\t3ea1  class entries are not devices\n";
        const auto lookup = [&](std::uint16_t vendor, std::uint16_t device) {
            std::istringstream stream(ids);
            return lookupPciNames(stream, vendor, device);
        };
        QCOMPARE(lookup(0x8086, 0x3ea0).device, std::string("WhiskeyLake-U GT2 [UHD Graphics 620]"));
        QCOMPARE(lookup(0x8086, 0x3ea0).vendor, std::string("Intel Corporation"));
        // A subsystem line under another vendor's device does not count.
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
        QTest::newRow("Intel") << "Intel Corporation"
                               << "WhiskeyLake-U GT2 [UHD Graphics 620]"
                               << "Intel UHD Graphics 620";
        QTest::newRow("AMD") << "Advanced Micro Devices, Inc. [AMD/ATI]"
                             << "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]"
                             << "AMD Radeon RX 470/480/570/570X/580/580X/590";
        QTest::newRow("NVIDIA without a marketing name") << "NVIDIA Corporation"
                                                         << "TU117M"
                                                         << "NVIDIA TU117M";
        QTest::newRow("maker already named") << "VMware"
                                             << "VMware SVGA II Adapter"
                                             << "VMware SVGA II Adapter";
        QTest::newRow("suffix trimmed") << "Red Hat, Inc."
                                        << "Virtio 1.0 GPU"
                                        << "Red Hat Virtio 1.0 GPU";
        QTest::newRow("unknown vendor") << ""
                                        << "Some GPU"
                                        << "Some GPU";
        QTest::newRow("no device name") << "Intel Corporation"
                                        << ""
                                        << "";
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
        QCOMPARE(adapters[1].flags, 0u);

        const Rows controllers =
            linuxrows::query(source, "ROOT\\CIMV2", "SELECT * FROM Win32_VideoController");
        QCOMPARE(controllers.size(), std::size_t(2));
        QCOMPARE(text(controllers[0], "AdapterCompatibility"), QString("Intel Corporation"));
        QCOMPARE(text(controllers[0], "VideoProcessor"), QString("WhiskeyLake-U GT2 [UHD Graphics 620]"));
        QVERIFY(!has(controllers[0], "DriverVersion")); // built into the kernel, no version of its own
        QCOMPARE(text(controllers[1], "DriverVersion"), QString("535.183.01"));
        // A recorded tree knows no current mode.
        QVERIFY(!has(controllers[0], "CurrentHorizontalResolution"));

        // The kernel's connector order puts the panel first; the empty USB-C port is left out.
        const auto devices = source.displayDevices();
        QCOMPARE(devices.size(), std::size_t(2));
        QCOMPARE(devices[0].deviceName, std::string("card0-eDP-1"));
        QCOMPARE(devices[0].stateFlags, 5u);
        QCOMPARE(devices[0].description, std::string("Intel UHD Graphics 620"));
        QCOMPARE(modesText(devices[0].modes), QString("1920x1080@60"));
        QCOMPARE(devices[1].deviceName, std::string("card0-HDMI-A-1"));
        QCOMPARE(devices[1].stateFlags, 1u);
        QVERIFY(!devices[1].current);

        const Rows ids = linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID");
        QCOMPARE(ids.size(), std::size_t(2));
        QCOMPARE(text(ids[0], "InstanceName"), QString("DISPLAY\\BOE065D\\card0-eDP-1"));
        QCOMPARE(text(ids[0], "ManufacturerName"), QString("BOE"));
        QCOMPARE(text(ids[0], "ProductCodeID"), QString("065D"));
        QVERIFY(!has(ids[0], "UserFriendlyName"));
        QVERIFY(!has(ids[0], "SerialNumberID"));
        QCOMPARE(number(ids[0], "YearOfManufacture"), 2015);
        QCOMPARE(number(ids[0], "WeekOfManufacture"), 1);
        QCOMPARE(text(ids[1], "UserFriendlyName"), QString("D3218HN"));
        QCOMPARE(text(ids[1], "SerialNumberID"), QString("X9R5K7879PME"));

        const QVariantList displays = displaysOf(source);
        QCOMPARE(displays.size(), 2);
        const QVariantMap panel = displays[0].toMap();
        QCOMPARE(panel.value("primary").toBool(), true);
        QCOMPARE(panel.value("vendor").toString(), QString("BOE"));
        QCOMPARE(panel.value("year").toString(), QString("2015"));
        QCOMPARE(panel.value("size").toString(), QString("15.3\""));
        QCOMPARE(panel.value("nativeResolution").toString(), QString("1920 x 1080"));
        QCOMPARE(panel.value("maxRefresh").toString(), QString("60 Hz"));
        QVERIFY(!panel.contains("model"));
        const QVariantMap monitor = displays[1].toMap();
        QCOMPARE(monitor.value("model").toString(), QString("D3218HN"));
        QCOMPARE(monitor.value("vendor").toString(), QString("Dell"));
        QCOMPARE(monitor.value("size").toString(), QString("31.5\""));
        QCOMPARE(monitor.value("adapter").toString(), QString("Intel UHD Graphics 620"));
    }

    void desktopWithTroubledConnectors()
    {
        LinuxSource source(tree("desktop-radeon"));
        const auto adapters = source.graphicsAdapters();
        QCOMPARE(adapters.size(), std::size_t(1));
        QCOMPARE(adapters[0].description, std::string("AMD Radeon RX 470/480/570/570X/580/580X/590"));
        QCOMPARE(adapters[0].dedicatedVideoMemory, 8589934592ull);
        const Rows controllers =
            linuxrows::query(source, "ROOT\\CIMV2", "SELECT AdapterRAM FROM Win32_VideoController");
        QCOMPARE(number(controllers.at(0), "AdapterRAM"), 4294967295ll);

        // DP-3 vanished while it was read; HDMI-A-1 is plugged in but not part of the desktop.
        const auto devices = source.displayDevices();
        QStringList names;
        for (const auto &device : devices)
            names << QString::fromStdString(device.deviceName) + QStringLiteral(":%1").arg(device.stateFlags);
        QCOMPARE(names, QStringList({"card0-DP-1:5", "card0-DP-2:1", "card0-DVI-D-1:1", "card0-HDMI-A-1:0"}));

        // The DVI monitor's EDID fails its checksum: it keeps its place with a row naming nothing.
        const Rows ids = linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID");
        QCOMPARE(ids.size(), std::size_t(3));
        QCOMPARE(text(ids[2], "InstanceName"), QString("DISPLAY\\Default_Monitor\\card0-DVI-D-1"));
        QVERIFY(!has(ids[2], "ManufacturerName"));
        const Rows sizes =
            linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorBasicDisplayParams");
        QCOMPARE(sizes.size(), std::size_t(3));
        QVERIFY(!has(sizes[2], "MaxHorizontalImageSize"));

        const QVariantList gpus = gpusOf(source);
        QCOMPARE(gpus.size(), 1);
        QCOMPARE(gpus[0].toMap().value("vram").toString(), QString("8.0 GB"));
        QCOMPARE(gpus[0].toMap().value("vendor").toString(),
                 QString("Advanced Micro Devices, Inc. [AMD/ATI]"));

        const QVariantList displays = displaysOf(source);
        QCOMPARE(displays.size(), 3);
        const QVariantMap samsung = displays[0].toMap();
        QCOMPARE(samsung.value("model").toString(), QString("S24D300"));
        QCOMPARE(samsung.value("vendor").toString(), QString("Samsung"));
        QCOMPARE(samsung.value("serial").toString(), QString("H4ZKA04085"));
        QCOMPARE(samsung.value("size").toString(), QString("23.4\""));
        const QVariantMap acer = displays[1].toMap();
        QCOMPARE(acer.value("vendor").toString(), QString("Acer"));
        QCOMPARE(acer.value("maxRefresh").toString(), QString("144 Hz"));
        QVERIFY(!acer.contains("model"));
        QVERIFY(!acer.contains("serial"));
        const QVariantMap dvi = displays[2].toMap();
        QCOMPARE(dvi.value("nativeResolution").toString(), QString("1920 x 1080"));
        for (const char *key : {"maxRefresh", "model", "vendor", "serial", "year", "size"})
            QVERIFY2(!dvi.contains(key), key);
    }

    void framebufferOnly()
    {
        LinuxSource source(tree("vm-framebuffer"));
        const auto adapters = source.graphicsAdapters();
        QCOMPARE(adapters.size(), std::size_t(1));
        QCOMPARE(adapters[0].description, std::string("simple-framebuffer"));
        QCOMPARE(adapters[0].flags, 2u);
        const Rows ids = linuxrows::query(source, "ROOT\\WMI", "SELECT * FROM WmiMonitorID");
        QCOMPARE(ids.size(), std::size_t(1));
        QCOMPARE(text(ids[0], "InstanceName"), QString("DISPLAY\\Default_Monitor\\card0-Unknown-1"));
        const QVariantList gpus = gpusOf(source);
        QCOMPARE(gpus.size(), 1);
        QVariantMap expected;
        expected.insert("name", "simple-framebuffer");
        QCOMPARE(gpus[0].toMap(), expected);
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
