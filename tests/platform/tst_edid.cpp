#include "platform/edid.h"
#include "testregistry.h"

#include <QFile>
#include <QTest>

#include <numeric>

namespace {

QByteArray realBlock(const QString &name)
{
    QFile file(QStringLiteral(KELVARO_TEST_DATA "/edid/") + name + QStringLiteral(".bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<platform::Edid> parse(const QByteArray &bytes)
{
    return platform::parseEdid(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
}

// Makes the base block's bytes sum to 0 again after an edit.
void fixChecksum(QByteArray &bytes)
{
    bytes[127] = 0;
    const int sum = std::accumulate(bytes.begin(), bytes.begin() + 128, 0,
                                    [](int total, char c) { return total + static_cast<unsigned char>(c); });
    bytes[127] = static_cast<char>((256 - sum % 256) % 256);
}

// Offset of the first display descriptor carrying `tag`.
int descriptorWithTag(const QByteArray &bytes, unsigned char tag)
{
    for (int offset = 54; offset < 126; offset += 18) {
        if (bytes[offset] == 0 && bytes[offset + 1] == 0 &&
            static_cast<unsigned char>(bytes[offset + 3]) == tag)
            return offset;
    }
    return -1;
}

} // namespace

class TestEdid : public QObject {
    Q_OBJECT

private slots:
    void realMonitorsAndPanels_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("maker");
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<quint32>("serialNumber");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("week");
        QTest::addColumn<int>("widthCm");
        QTest::addColumn<int>("heightCm");
        QTest::addColumn<QString>("preferred");

        QTest::newRow("laptop panel, name only in text descriptors")
            << "BOE_NV156FHM-N42"
            << "BOE" << 0x065D << QString() << QString() << 0u << 2015 << 1 << 34 << 19 << "1920x1080@60";
        QTest::newRow("17-inch panel")
            << "AUO_B173HAN01"
            << "AUO" << 0x109D << QString() << QString() << 0u << 2016 << 1 << 38 << 21 << "1920x1080@60";
        QTest::newRow("165 Hz panel, week not given")
            << "LGD_LP156WFG-SPT2"
            << "LGD" << 0x06A5 << QString() << QString() << 0u << 2020 << 0 << 34 << 19 << "1920x1080@165";
        QTest::newRow("serial descriptor beats the numeric field")
            << "DEL_D3218HN"
            << "DEL" << 0x200B << "D3218HN"
            << "X9R5K7879PME" << 0x01010101u << 2017 << 32 << 70 << 39 << "1920x1080@60";
        QTest::newRow("base block read twice")
            << "SAM_S24D300"
            << "SAM" << 0x0B44 << "S24D300"
            << "H4ZKA04085" << 0x5A5A444Cu << 2018 << 43 << 52 << 29 << "1920x1080@60";
        QTest::newRow("EDID 1.3, 16:10")
            << "GSM_24EB23"
            << "GSM" << 0x59B4 << "24EB23"
            << "606NTNH6E735" << 0x3566Fu << 2016 << 6 << 52 << 33 << "1920x1200@60";
        QTest::newRow("name with a space")
            << "BNQ_GL2250H"
            << "BNQ" << 0x78A1 << "BenQ GL2250H"
            << "A9J05549019" << 0x5445u << 2018 << 37 << 48 << 27 << "1920x1080@60";
        QTest::newRow("no name, no serial at all")
            << "ACR_02F9_noname"
            << "ACR" << 0x02F9 << QString() << QString() << 0u << 2017 << 49 << 53 << 30 << "1920x1080@120";
    }

    void realMonitorsAndPanels()
    {
        QFETCH(QString, file);
        const auto edid = parse(realBlock(file));
        QVERIFY(edid);
        QTEST(QString::fromStdString(edid->manufacturer), "maker");
        QTEST(int(edid->productCode), "product");
        QTEST(QString::fromStdString(edid->name), "name");
        QTEST(QString::fromStdString(edid->serial), "serial");
        QTEST(edid->serialNumber, "serialNumber");
        QTEST(int(edid->year), "year");
        QTEST(int(edid->week), "week");
        QTEST(int(edid->widthCm), "widthCm");
        QTEST(int(edid->heightCm), "heightCm");
        QVERIFY(!edid->modelYear);
        QVERIFY(!edid->timings.empty());
        const auto &first = edid->timings.front();
        QTEST(QStringLiteral("%1x%2@%3").arg(first.width).arg(first.height).arg(first.refresh), "preferred");
    }

    void everyDetailedTimingOfAGamingMonitor()
    {
        const auto edid = parse(realBlock("ACR_02F9_noname"));
        QVERIFY(edid);
        QStringList rates;
        for (const auto &timing : edid->timings)
            rates << QString::number(timing.refresh);
        QCOMPARE(rates, QStringList({"120", "100", "144", "60"}));
    }

    void untrustworthyBlocksAreRejected()
    {
        const QByteArray good = realBlock("GSM_24EB23");
        QVERIFY(parse(good));
        QVERIFY(!parse(good.left(127)));
        QVERIFY(!parse(QByteArray()));
        QVERIFY(!platform::parseEdid(nullptr, 128));

        QByteArray flipped = good;
        flipped[20] = static_cast<char>(flipped[20] ^ 0x40);
        QVERIFY(!parse(flipped));

        QByteArray wrongHeader = good;
        wrongHeader[0] = 0x01;
        fixChecksum(wrongHeader);
        QVERIFY(!parse(wrongHeader));

        QVERIFY(!parse(QByteArray(128, '\0')));
        QVERIFY(!parse(QByteArray(256, '\xff')));
    }

    void descriptorTextIsCleaned()
    {
        QByteArray bytes = realBlock("DEL_D3218HN");
        const int name = descriptorWithTag(bytes, 0xFC);
        QVERIFY(name > 0);
        // Control bytes, bytes above ASCII and no terminator: only the printable letters survive.
        const char hostile[13] = {'\x1b', '[',    '2',    'J', 'D', '\x07', '3',
                                  '2',    '\xff', '\x80', '1', '8', ' '};
        bytes.replace(name + 5, 13, QByteArray(hostile, 13));
        const int serial = descriptorWithTag(bytes, 0xFF);
        QVERIFY(serial > 0);
        bytes.replace(serial + 5, 13, QByteArray("   \n         ", 13));
        fixChecksum(bytes);
        const auto edid = parse(bytes);
        QVERIFY(edid);
        QCOMPARE(edid->name, std::string("[2JD3218"));
        QVERIFY(edid->serial.empty());
    }

    void oddHeaderFields()
    {
        QByteArray bytes = realBlock("SAM_S24D300");
        bytes[8] = 0;
        bytes[9] = 0; // letters 0: no code
        bytes[16] = static_cast<char>(0xFF);
        bytes[17] = 30; // model year 2020
        bytes[21] = 16;
        bytes[22] = 0; // an aspect ratio, not a size
        fixChecksum(bytes);
        const auto edid = parse(bytes);
        QVERIFY(edid);
        QVERIFY(edid->manufacturer.empty());
        QVERIFY(edid->modelYear);
        QCOMPARE(edid->week, 0u);
        QCOMPARE(edid->year, 2020u);
        QCOMPARE(edid->widthCm, 0u);
        QCOMPARE(edid->heightCm, 0u);
    }

    void interlacedTimingGivesTheFrameHeight()
    {
        QByteArray bytes = realBlock("GSM_24EB23");
        // 1920x1080i at 60 fields: 74.25 MHz, 2200 x 562.5 per field.
        const unsigned char timing[18] = {0x01, 0x1D, 0x80, 0x18, 0x71, 0x1C, 0x16, 0x20, 0x58,
                                          0x2C, 0x25, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x9E};
        bytes.replace(54, 18, QByteArray(reinterpret_cast<const char *>(timing), 18));
        fixChecksum(bytes);
        const auto edid = parse(bytes);
        QVERIFY(edid);
        QVERIFY(edid->timings.front().interlaced);
        QCOMPARE(edid->timings.front().width, 1920u);
        QCOMPARE(edid->timings.front().height, 1080u);
        QCOMPARE(edid->timings.front().refresh, 60u);
    }
};

KELVARO_TEST(TestEdid)
#include "tst_edid.moc"
