#include "charcodelist.h"
#include "datarow.h"
#include "hardware/charcodes.h"
#include "hardware/displayrules.h"
#include "hardware/graphicsrules.h"
#include "maptext.h"
#include "testregistry.h"

#include <QTest>

namespace {

platform::DisplayDevice attached(std::uint32_t flags, std::vector<platform::DisplayMode> modes = {})
{
    platform::DisplayDevice device;
    device.deviceName = "\\\\.\\DISPLAY";
    device.description = " Intel(R) UHD Graphics 620 ";
    device.stateFlags = flags;
    device.current = platform::DisplayMode{1920, 1080, 60, 32};
    device.modes = std::move(modes);
    return device;
}

QVariantMap controller(const QString &name, const QVariant &adapterRam)
{
    QVariantMap row;
    row.insert("Name", name);
    if (adapterRam.isValid())
        row.insert("AdapterRAM", adapterRam);
    return row;
}

} // namespace

class TestGraphicsDisplayRules : public QObject {
    Q_OBJECT

private slots:
    void videoMemory_data()
    {
        addColumns<QString, QVariant, QString>("name", "adapterRam", "vram");

        // What DXGI lists on a hybrid laptop; the software renderer must never be matched.
        addRow("4 GiB card: DXGI beats the 32-bit AdapterRAM", "NVIDIA GeForce GTX 1650",
               QVariant(4293918720u), "4.0 GB");
        addRow("name differs only in letter case", "nvidia geforce gtx 1650", QVariant(), "4.0 GB");
        addRow("integrated adapter with 128 MiB", "Intel(R) UHD Graphics 620", QVariant(0), "128 MB");
        addRow("controller name contains the description", "Intel(R) UHD Graphics 620 (rev 2)", QVariant(),
               "128 MB");
        addRow("matched adapter without memory falls back to AdapterRAM", "Parsec Virtual Display Adapter",
               QVariant(536870912), "512 MB");
        addRow("no adapter matches: AdapterRAM as text", "Radeon Pro", QVariant("2147483648"), "2.0 GB");
        addRow("AdapterRAM of 2 GiB and more arrives negative", "Radeon Pro", QVariant(int(-1048576)),
               "4.0 GB");
        addRow("AdapterRAM above 64 GiB is not believed", "Radeon Pro", QVariant("68719476737"), "");
        addRow("Basic Render Driver is not an adapter", "Microsoft Basic Render Driver", QVariant(), "");
    }

    void videoMemory()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, adapterRam);
        const std::vector<platform::GraphicsAdapter> listed = {
            {"Intel(R) UHD Graphics 620", 134217728, 0},
            {"NVIDIA GeForce GTX 1650", 4294967296ull, 0},
            {"Parsec Virtual Display Adapter", 0, 0},
            {"Microsoft Basic Render Driver", 1073741824, 2},
        };
        const QVariantMap gpu = gpuEntry(controller(name, adapterRam), hardwareAdapters(listed));
        QTEST(gpu.value("vram").toString(), "vram");
    }

    void nativeModeKeepsTheHighestRate()
    {
        const auto native = ::nativeMode({{1920, 1080, 60, 32}, {1280, 720, 60, 32}, {1920, 1080, 144, 32}});
        QCOMPARE(native.width, 1920u);
        QCOMPARE(native.height, 1080u);
        QCOMPARE(native.frequency, 144u);
        // Equal area but another shape does not take over, nor lend its rate.
        const auto shaped = ::nativeMode({{1600, 900, 60, 0}, {1440, 1000, 75, 0}, {1600, 900, 59, 0}});
        QCOMPARE(shaped.width, 1600u);
        QCOMPARE(shaped.frequency, 60u);
    }

    void hardwareDefaultRatesAndUnknownModes()
    {
        platform::DisplayDevice device = attached(1, {{1024, 768, 1, 0}});
        device.current = platform::DisplayMode{0, 0, 1, 0};
        QCOMPARE(mapText(displayEntries({device}, {}, {}).first()),
                 QString("adapter=Intel(R) UHD Graphics 620; nativeResolution=1024 x 768; primary=false"));
        device.current.reset();
        QVERIFY(!displayEntries({device}, {}, {}).first().toMap().contains("resolution"));
    }

    void monitorsPairWithRowsByPosition()
    {
        const QVariantMap id{{"UserFriendlyName", charCodes("D3218HN") << 0 << 0},
                             {"ManufacturerName", charCodes("DEL") << 0},
                             {"SerialNumberID", charCodes("X9R5K7879PME")},
                             {"YearOfManufacture", 2017}};
        const QVariantMap size{{"MaxHorizontalImageSize", 34}, {"MaxVerticalImageSize", 19}};
        // The detached device between them takes no row.
        const QVariantList displays = displayEntries({attached(5), attached(0), attached(1)}, {id}, {size});
        QCOMPARE(displays.size(), 2);
        // The recorded trees' goldens show the monitor fields; the first row is the first attached one.
        QCOMPARE(displays.at(0).toMap().value("model").toString(), QString("D3218HN"));
        QVERIFY(displays.at(0).toMap().value("primary").toBool());
        QCOMPARE(mapText(displays.at(1)), QString("adapter=Intel(R) UHD Graphics 620; colorDepth=32-bit; "
                                                  "primary=false; refresh=60 Hz; resolution=1920 x 1080"));
    }

    void vendorsYearsAndSizes()
    {
        QCOMPARE(monitorVendorName("CMN"), QString("Chi Mei (Innolux)"));
        QCOMPARE(monitorVendorName("IVO"), QString("IVO"));
        QCOMPARE(monitorVendorName("aus"), QString("aus"));

        QCOMPARE(manufactureYearText(1990), QString());
        QCOMPARE(manufactureYearText(0), QString());
        QCOMPARE(manufactureYearText(1991), QString("1991"));
        QCOMPARE(manufactureYearText(2099), QString("2099"));
        QCOMPARE(manufactureYearText(2100), QString());

        QCOMPARE(diagonalText(34, 19), QString("15.3\""));
        QCOMPARE(diagonalText(34, 0), QString());
        QCOMPARE(diagonalText(-34, 19), QString());
    }

    void characterCodes_data()
    {
        addColumns<QVariant, QString>("value", "text");
        QTest::newRow("stops at the first 0")
            << QVariant(charCodes(" DELL P2419H") << 0 << 65 << 66) << "DELL P2419H";
        QTest::newRow("not a list") << QVariant(2020) << QString();
        QTest::newRow("plain text taken as it is") << QVariant(" SMP\t") << "SMP";
        QTest::newRow("control codes and out-of-range values dropped")
            << QVariant(QVariantList{27, 91, 50, 74, 76, 71, 67, -5, 70000, 10, 127}) << "[2JLGC";
        QTest::newRow("surrogate pair kept, lone halves dropped")
            << QVariant(QVariantList{0xD83D, 0xDD0B, 0xDC00, 65, 0xD800}) << QString::fromUtf8("🔋A");
    }

    void characterCodes()
    {
        QFETCH(QVariant, value);
        QTEST(decodeCharCodes(value), "text");
    }
};

KELVARO_TEST(TestGraphicsDisplayRules)
#include "tst_graphicsdisplayrules.moc"
