#include "interactive/audiosignal.h"
#include "testregistry.h"

#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

qint16 sampleAt(const QByteArray &pcm, int channels, int frame, int channel)
{
    return qFromLittleEndian<qint16>(pcm.constData() + 2 * (frame * channels + channel));
}

int peakOf(const QByteArray &pcm, int channels, int channel, int from, int to)
{
    int peak = 0;
    for (int f = from; f < to; ++f)
        peak = std::max(peak, std::abs(int(sampleAt(pcm, channels, f, channel))));
    return peak;
}

QByteArray int16Chunk(int samples, qint16 value)
{
    QByteArray bytes(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(i % 2 ? value : qint16(-value), bytes.data() + 2 * i);
    return bytes;
}

} // namespace

// Length, gain and the left and both placements at 44.1 kHz are heard back from a real sound server
// (tst_audioloopback); here the shape a recording cannot show exactly, at another rate.
class TestAudioSignal : public QObject {
    Q_OBJECT

private slots:
    void toneFadesAndPitch()
    {
        const QByteArray tone = toneSamples(2, 48000, 2);
        QCOMPARE(tone.size(), 57600 * 2 * 2);
        const int full = peakOf(tone, 2, 0, 10000, 20000);
        // Fades of 20 ms (960 frames): from and to silence, half way in at most half as loud.
        QCOMPARE(sampleAt(tone, 2, 0, 0), qint16(0));
        QVERIFY(std::abs(sampleAt(tone, 2, 57599, 0)) <= full / 960 + 1);
        QVERIFY(peakOf(tone, 2, 0, 0, 480) <= full / 2 + 1);
        QVERIFY(peakOf(tone, 2, 0, 57600 - 480, 57600) <= full / 2 + 1);
        QVERIFY(peakOf(tone, 2, 0, 480, 960) > full / 2);
        int crossings = 0;
        for (int f = 1001; f < 1001 + 48000; ++f)
            crossings += (sampleAt(tone, 2, f - 1, 0) < 0) != (sampleAt(tone, 2, f, 0) < 0);
        QVERIFY2(std::abs(crossings - 880) <= 2, qPrintable(QString::number(crossings)));
    }

    void channelPlacement_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<bool>>("audible");
        QTest::newRow("right") << 1 << 2 << QList<bool>{false, true};
        QTest::newRow("mono left") << 0 << 1 << QList<bool>{true};
        QTest::newRow("mono right") << 1 << 1 << QList<bool>{false};
        QTest::newRow("mono both") << 2 << 1 << QList<bool>{true};
        QTest::newRow("unknown code") << 7 << 2 << QList<bool>{false, false};
        QTest::newRow("surround left") << 0 << 6 << QList<bool>{true, false, false, false, false, false};
    }
    void channelPlacement()
    {
        QFETCH(int, code);
        QFETCH(int, channels);
        QFETCH(QList<bool>, audible);
        const QByteArray tone = toneSamples(code, 44100, channels);
        QCOMPARE(tone.size(), 52920 * channels * 2);
        for (int c = 0; c < channels; ++c)
            QCOMPARE(peakOf(tone, channels, c, 0, 52920) > 0, audible.at(c));
    }

    void meterSmoothsAndReadsEachChunk()
    {
        MeterReading reading;
        double level = 0;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(meterUpdate(int16Chunk(320, 32767), SampleKind::Int16, level, &reading));
            QVERIFY(reading.level > level && reading.level <= 1.0);
            level = reading.level;
        }
        QVERIFY(level > 0.97);
        QVERIFY(reading.peak > 0.999);
        // A quieter chunk lowers the level only part of the way; the peak is that chunk's alone.
        QVERIFY(meterUpdate(int16Chunk(320, 3277), SampleKind::Int16, level, &reading));
        QVERIFY(std::abs(reading.peak - 0.1) < 1e-3);
        QVERIFY(reading.level < level && reading.level > 0.3);
    }

    void meterFormats()
    {
        // The same loudness as floats and as 16-bit samples reads the same.
        QByteArray floats(4 * 100, '\0');
        for (int i = 0; i < 100; ++i) {
            const float v = i % 2 ? 0.25f : -0.25f;
            std::memcpy(floats.data() + 4 * i, &v, 4);
        }
        MeterReading fromFloats, fromInts;
        QVERIFY(meterUpdate(floats, SampleKind::Float32, 0.2, &fromFloats));
        QVERIFY(meterUpdate(int16Chunk(100, 8192), SampleKind::Int16, 0.2, &fromInts));
        QVERIFY(std::abs(fromFloats.level - fromInts.level) < 1e-6 && fromFloats.level > 0.2);
        QVERIFY(std::abs(fromFloats.peak - 0.25) < 1e-6);

        MeterReading untouched{0.3, 0.2};
        QVERIFY(!meterUpdate(QByteArray(64, '\x7f'), SampleKind::Other, 0.9, &untouched));
        QVERIFY(!meterUpdate(QByteArray(1, '\x7f'), SampleKind::Int16, 0.9, &untouched));
        QCOMPARE(untouched.level, 0.3);
        QCOMPARE(untouched.peak, 0.2);
    }
};

KELVARO_TEST(TestAudioSignal)
#include "tst_audiosignal.moc"
