#include "datarow.h"
#include "platform/smbios.h"
#include "testdata.h"
#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace platform::smbios;

namespace {

// What dmidecode printed on each recorded machine (tests/data/smbios/machines.json), by id ("D01" …):
// a check independent of the program's own parser.
inline QJsonObject dmidecodeDump(const QString &id)
{
    for (const QJsonValue &value : QJsonDocument::fromJson(testDataBytes("smbios/machines.json")).array()) {
        if (value.toObject().value(QStringLiteral("id")).toString() == id)
            return value.toObject();
    }
    return {};
}

// "8 GB", "8192 MB", "512 kB" in bytes; 0 for anything else.
inline quint64 dmidecodeBytes(const QString &text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+) (kB|MB|GB)$")).match(text);
    if (!m.hasMatch())
        return 0;
    const int shift = m.captured(2) == QLatin1String("kB")   ? 10
                      : m.captured(2) == QLatin1String("MB") ? 20
                                                             : 30;
    return m.captured(1).toULongLong() << shift;
}

std::vector<std::uint8_t> readTable(const QString &name)
{
    return testPage(QStringLiteral("smbios/") + name);
}

int leadingNumber(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0).toInt();
}

int memoryTypeCode(const QString &name)
{
    static const QMap<QString, int> codes{{"DDR3", 24}, {"DDR4", 26}, {"LPDDR3", 29}, {"Unknown", 2}};
    return codes.value(name, -1);
}

int formFactorCode(const QString &name)
{
    static const QMap<QString, int> codes{{"DIMM", 9}, {"SODIMM", 13}, {"Row Of Chips", 11}, {"Unknown", 2}};
    return codes.value(name, -1);
}

// dmidecode prints string index 0 as "Not Specified".
QString recorded(const QJsonObject &fields, const char *key)
{
    const QString text = fields.value(QLatin1String(key)).toString();
    return text == QLatin1String("Not Specified") ? QString() : text;
}

} // namespace

class TestSmbios : public QObject {
    Q_OBJECT

private slots:
    void tablesAgreeWithTheRecordedDumps_data()
    {
        addColumns<QString, QString>("file", "id");
        addRow("Latitude 7490, SMBIOS 3.1", "latitude-7490.dmi", "D01");
        addRow("ThinkPad E14, 84-byte devices", "thinkpad-e14.dmi", "D02");
        addRow("ZenBook, soldered LPDDR3", "zenbook-ux433fa.dmi", "D03");
        addRow("Satellite C660, SMBIOS 2.6 short structures", "satellite-c660.dmi", "D04");
        addRow("OptiPlex 3070, one empty slot", "optiplex-3070.dmi", "D05");
        addRow("B360M-D2V, two empty slots", "gigabyte-b360m-d2v.dmi", "D06");
    }

    void tablesAgreeWithTheRecordedDumps()
    {
        QFETCH(QString, file);
        QFETCH(QString, id);
        const std::vector<std::uint8_t> bytes = readTable(file);
        QVERIFY(!bytes.empty());
        const QJsonObject expected = dmidecodeDump(id);
        QVERIFY(!expected.isEmpty());
        const auto table = parseTable(bytes);
        QCOMPARE(table.back().type, std::uint8_t{127});

        const QJsonArray expectedArrays = expected.value(QStringLiteral("memoryArrays")).toArray();
        const auto arrays = memoryArrays(table);
        QCOMPARE(int(arrays.size()), expectedArrays.size());
        for (int i = 0; i < expectedArrays.size(); ++i) {
            const QJsonObject a = expectedArrays.at(i).toObject();
            QCOMPARE(int(arrays[i].memoryDevices.value_or(0)),
                     a.value(QStringLiteral("Number Of Devices")).toString().toInt());
            QCOMPARE(arrays[i].maxCapacityKb.value_or(0) * 1024,
                     dmidecodeBytes(a.value(QStringLiteral("Maximum Capacity")).toString()));
            QCOMPARE(int(arrays[i].use.value_or(0)), 3);
        }

        const QJsonArray expectedDevices = expected.value(QStringLiteral("memoryDevices")).toArray();
        const auto devices = memoryDevices(table);
        QCOMPARE(int(devices.size()), expectedDevices.size());
        for (int i = 0; i < expectedDevices.size(); ++i) {
            const QJsonObject d = expectedDevices.at(i).toObject();
            const MemoryDevice &device = devices[i];
            const QString size = d.value(QStringLiteral("Size")).toString();
            QCOMPARE(device.installed, size != QLatin1String("No Module Installed"));
            QCOMPARE(device.sizeBytes.value_or(0), dmidecodeBytes(size));
            QCOMPARE(QString::fromStdString(device.deviceLocator), recorded(d, "Locator"));
            QCOMPARE(QString::fromStdString(device.bankLocator), recorded(d, "Bank Locator"));
            QCOMPARE(QString::fromStdString(device.partNumber), recorded(d, "Part Number"));
            QCOMPARE(QString::fromStdString(device.manufacturer), recorded(d, "Manufacturer"));
            QCOMPARE(int(device.memoryType.value_or(0)),
                     memoryTypeCode(d.value(QStringLiteral("Type")).toString()));
            QCOMPARE(int(device.formFactor.value_or(0)),
                     formFactorCode(d.value(QStringLiteral("Form Factor")).toString()));
            QCOMPARE(int(device.speed.value_or(0)),
                     leadingNumber(d.value(QStringLiteral("Speed")).toString()));
            QCOMPARE(int(device.configuredSpeed.value_or(0)),
                     leadingNumber(d.value(QStringLiteral("Configured Memory Speed")).toString()));
            const QString width = d.value(QStringLiteral("Data Width")).toString();
            QCOMPARE(int(device.dataWidth.value_or(0)), leadingNumber(width));
            const QString voltage = d.value(QStringLiteral("Configured Voltage")).toString();
            QCOMPARE(int(device.configuredVoltage.value_or(0)),
                     qRound(voltage.section(QLatin1Char(' '), 0, 0).toDouble() * 1000));
        }
    }

    // Every prefix of a real table is a table cut short: it must parse to a prefix of the whole.
    void truncatedTablesStopCleanly()
    {
        for (const char *name : {"latitude-7490.dmi", "satellite-c660.dmi", "gigabyte-b360m-d2v.dmi"}) {
            const std::vector<std::uint8_t> whole = readTable(QLatin1String(name));
            const auto full = parseTable(whole);
            for (std::size_t cut = 0; cut < whole.size(); ++cut) {
                const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + static_cast<long>(cut));
                const auto part = parseTable(prefix);
                QVERIFY(part.size() <= full.size());
                for (std::size_t i = 0; i < part.size(); ++i) {
                    QCOMPARE(part[i].type, full[i].type);
                    QVERIFY(part[i].strings.size() <= full[i].strings.size());
                }
                const auto devices = memoryDevices(part);
                for (const auto &device : devices)
                    QVERIFY(device.deviceLocator.size() < 64);
            }
        }
    }

    void malformedStructures()
    {
        // A length below the header's own size would loop forever if believed.
        QVERIFY(parseTable({17, 2, 0, 0, 0, 0}).empty());
        // A length past the end of the table.
        QVERIFY(parseTable({17, 0xFF, 0, 0, 1, 2, 3}).empty());
        // Strings without the final empty string: the structure is kept, the walk stops.
        const auto unterminated = parseTable({1, 4, 0, 0, 'a', 0, 'b', 'c'});
        QCOMPARE(int(unterminated.size()), 1);
        QCOMPARE(int(unterminated[0].strings.size()), 1);
        // A string index past the string set, and a field past the formatted area, read as nothing.
        const auto shortDevice = parseTable(
            {17, 0x12, 0x34, 0x12, 0, 0, 0, 0, 0x40, 0, 0x40, 0, 0x00, 0x04, 9, 0, 5, 1, 'x', 0, 0});
        QCOMPARE(int(shortDevice.size()), 1);
        const auto devices = memoryDevices(shortDevice);
        QCOMPARE(int(devices.size()), 1);
        QCOMPARE(devices[0].sizeBytes.value_or(0), quint64(1024) << 20);
        QVERIFY(devices[0].deviceLocator.empty());
        QCOMPARE(devices[0].bankLocator, std::string("x"));
        QVERIFY(!devices[0].memoryType);
        QVERIFY(!devices[0].speed);
    }

    void sizeAndSpeedEncodings()
    {
        std::vector<std::uint8_t> device(0x5C, 0);
        device[0] = 17;
        device[1] = 0x5C;
        const auto withSize = [&](std::uint16_t size, std::uint32_t extended) {
            device[0x0C] = size & 0xFF;
            device[0x0D] = size >> 8;
            for (int i = 0; i < 4; ++i)
                device[0x1C + i] = (extended >> (8 * i)) & 0xFF;
            std::vector<std::uint8_t> table = device;
            table.insert(table.end(), {0, 0});
            return memoryDevices(parseTable(table)).front();
        };
        QCOMPARE(withSize(0x8200, 0).sizeBytes.value_or(0), quint64(512) << 10);    // kilobyte granularity
        QCOMPARE(withSize(0x7FFF, 65536).sizeBytes.value_or(0), quint64(64) << 30); // extended size
        QVERIFY(withSize(0xFFFF, 0).installed);
        QVERIFY(!withSize(0xFFFF, 0).sizeBytes);
        QVERIFY(!withSize(0, 0).installed);

        device[0x15] = 0xFF;
        device[0x16] = 0xFF;
        device[0x54] = 0x40; // 8000 MT/s
        device[0x55] = 0x1F;
        QCOMPARE(withSize(0x4000, 0).speed.value_or(0), 8000u);
    }

    void extendedMaximumCapacity()
    {
        std::vector<std::uint8_t> array(0x17, 0);
        array[0] = 16;
        array[1] = 0x17;
        array[0x05] = 3;
        array[0x07] = 0x00; // 8000 0000h: see the extended field
        array[0x0A] = 0x80;
        const quint64 bytes = quint64(8) << 40; // 8 TiB
        for (int i = 0; i < 8; ++i)
            array[0x0F + i] = (bytes >> (8 * i)) & 0xFF;
        array.insert(array.end(), {0, 0});
        const auto arrays = memoryArrays(parseTable(array));
        QCOMPARE(arrays.front().maxCapacityKb.value_or(0), bytes / 1024);
    }
};

KELVARO_TEST(TestSmbios)
#include "tst_smbios.moc"
