#include "golden.h"
#include "platform/edid.h"
#include "testdata.h"
#include "testregistry.h"

#include <QDir>
#include <QTest>

#include <numeric>

namespace {

QByteArray realBlock(const QString &name)
{
    return testDataBytes(QStringLiteral("edid/") + name + QStringLiteral(".bin"));
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
    // Every real block of tests/data/edid, one line each; edid/README.md says what each one brings.
    void realMonitorsAndPanels()
    {
        QString lines;
        for (const QFileInfo &file :
             QDir(testDataPath("edid")).entryInfoList({"*.bin"}, QDir::Files, QDir::Name)) {
            const auto edid = parse(fileBytes(file.filePath()));
            QVERIFY2(edid, qPrintable(file.fileName()));
            QVERIFY(!edid->modelYear);
            lines +=
                QStringLiteral("%1: %2 %3 name=%4 serial=%5 #%6 %7w%8 %9x%10")
                    .arg(file.baseName(), QString::fromStdString(edid->manufacturer))
                    .arg(QString::number(edid->productCode, 16).toUpper().rightJustified(4, QLatin1Char('0')))
                    .arg(QString::fromStdString(edid->name), QString::fromStdString(edid->serial))
                    .arg(edid->serialNumber)
                    .arg(edid->year)
                    .arg(edid->week)
                    .arg(edid->widthCm)
                    .arg(edid->heightCm);
            for (std::size_t i = 0; i < edid->timings.size(); ++i) {
                const auto &timing = edid->timings[i];
                lines +=
                    i == 0
                        ? QStringLiteral(" %1x%2@%3").arg(timing.width).arg(timing.height).arg(timing.refresh)
                        : QStringLiteral(" %1").arg(timing.refresh);
            }
            lines += QLatin1Char('\n');
        }
        KELVARO_COMPARE_GOLDEN(lines, "edid-monitors.txt");
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
};

KELVARO_TEST(TestEdid)
#include "tst_edid.moc"
