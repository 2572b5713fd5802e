// The audio path for real: tones into a null sink recorded back from its monitor, and the meter
// listening to a monitor that a generated signal is played into. ctest starts the sound server.
#include "interactive/audiocontroller.h"
#include "interactive/audiosignal.h"
#include "testregistry.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QAudioOutput>
#include <QBuffer>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

int indexOf(const QVariantList &devices, const QString &name)
{
    for (int i = 0; i < devices.size(); ++i)
        if (devices.at(i).toMap().value(QStringLiteral("name")).toString() == name)
            return i;
    return -1;
}

QAudioDeviceInfo deviceNamed(QAudio::Mode mode, const QString &name)
{
    for (const QAudioDeviceInfo &device : QAudioDeviceInfo::availableDevices(mode))
        if (device.deviceName() == name)
            return device;
    return {};
}

struct Span {
    int first = -1;
    int last = -1;
    int peak = 0;
};

// Where a channel of interleaved 16-bit audio is clearly audible.
Span audibleSpan(const QByteArray &pcmBytes, int channels, int channel)
{
    Span span;
    const int frames = pcmBytes.size() / (2 * channels);
    for (int f = 0; f < frames; ++f) {
        const int v =
            std::abs(int(qFromLittleEndian<qint16>(pcmBytes.constData() + 2 * (f * channels + channel))));
        span.peak = std::max(span.peak, v);
        if (v > 1000) {
            if (span.first < 0)
                span.first = f;
            span.last = f;
        }
    }
    return span;
}

} // namespace

class TestAudioLoopback : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("KELVARO_SOUND_SERVER"))
            QSKIP("needs the private sound server that ctest starts");
    }

    // Only the sound server's devices, not the ALSA plug-ins installed beside it.
    void listsTheServersDevices()
    {
        AudioController audio;
        QStringList outputs;
        for (const QVariant &device : audio.outputs())
            outputs << device.toMap().value("name").toString() +
                           (device.toMap().value("isDefault").toBool() ? "*" : "");
        QCOMPARE(outputs, QStringList({"kelvaro_sink*", "kelvaro_mic"}));
        QCOMPARE(audio.inputs().size(), 2);
    }

    void toneRecordedFromMonitor_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("right");
        QTest::newRow("left") << 0 << true << false;
        QTest::newRow("both") << 2 << true << true;
    }
    void toneRecordedFromMonitor()
    {
        QFETCH(int, code);
        QFETCH(bool, left);
        QFETCH(bool, right);
        AudioController audio;
        const int sink = indexOf(audio.outputs(), QStringLiteral("kelvaro_sink"));
        QVERIFY2(sink >= 0, "the null sink is not listed");
        const QAudioDeviceInfo monitor =
            deviceNamed(QAudio::AudioInput, QStringLiteral("kelvaro_sink.monitor"));
        QVERIFY(!monitor.isNull());

        // A null sink that wakes up for the tone loses its first moments on the monitor; silence keeps it
        // running throughout.
        QByteArray silence(44100 * 4 * 5, '\0');
        QBuffer silent(&silence);
        silent.open(QIODevice::ReadOnly);
        QAudioOutput keepAwake(deviceNamed(QAudio::AudioOutput, QStringLiteral("kelvaro_sink")),
                               pcmFormat(44100, 2));
        keepAwake.start(&silent);
        QAudioInput recorder(monitor, pcmFormat(44100, 2));
        QBuffer recorded;
        recorded.open(QIODevice::WriteOnly);
        recorder.start(&recorded);
        QTRY_VERIFY(recorded.size() > 0);
        QTest::qWait(300);
        QSignalSpy playing(&audio, &AudioController::playingChanged);
        audio.playTone(code, sink);
        QVERIFY(audio.playing());
        QTRY_VERIFY_WITH_TIMEOUT(!audio.playing(), 5000);
        QTest::qWait(1500);
        recorder.stop();
        // Stopped before it is destroyed: the pulse back end's destructor would otherwise feed a
        // stream it has already closed.
        keepAwake.stop();

        const Span l = audibleSpan(recorded.data(), 2, 0);
        const Span r = audibleSpan(recorded.data(), 2, 1);
        QCOMPARE(l.first >= 0, left);
        QCOMPARE(r.first >= 0, right);
        for (const Span &s : {l, r}) {
            if (s.first < 0) {
                QVERIFY2(s.peak < 50, qPrintable(QString::number(s.peak)));
                continue;
            }
            // 1.2 s at 44.1 kHz. A loaded machine may make the sound server drop a few milliseconds.
            const int length = s.last - s.first + 1;
            QVERIFY2(std::abs(length - 52920) < 2646, qPrintable(QString::number(length)));
            QVERIFY(std::abs(s.peak - int(0.6 * 32767)) < 200);
        }
    }

    void meterFollowsSignal()
    {
        AudioController audio;
        const int mic = indexOf(audio.inputs(), QStringLiteral("kelvaro_mic.monitor"));
        QVERIFY(mic >= 0);
        const QAudioDeviceInfo feedDevice = deviceNamed(QAudio::AudioOutput, QStringLiteral("kelvaro_mic"));
        QVERIFY(!feedDevice.isNull());

        // Three seconds of a 300 Hz sine at half scale: rms 0.354, so the level settles near 0.64.
        QByteArray signal(16000 * 3 * 2, '\0');
        for (int i = 0; i < 16000 * 3; ++i)
            qToLittleEndian<qint16>(qint16(16384 * std::sin(i * 2 * M_PI * 300 / 16000)),
                                    signal.data() + 2 * i);
        QBuffer source(&signal);
        source.open(QIODevice::ReadOnly);
        QAudioOutput feed(feedDevice, pcmFormat(16000, 1));

        audio.startMic(mic);
        QVERIFY(audio.micActive());
        feed.start(&source);
        QTRY_VERIFY_WITH_TIMEOUT(audio.micLevel() > 0.55, 3000);
        QVERIFY(audio.micLevel() < 0.7);
        QVERIFY(std::abs(audio.micPeak() - 0.5) < 0.05);
        feed.stop();
        QTRY_VERIFY_WITH_TIMEOUT(audio.micLevel() < 0.05, 3000);

        audio.stopMic();
        QVERIFY(!audio.micActive());
        QCOMPARE(audio.micLevel(), 0.0);
    }

    void secondToneCutsTheFirst()
    {
        AudioController audio;
        const int sink = indexOf(audio.outputs(), QStringLiteral("kelvaro_sink"));
        audio.playTone(0, sink);
        QTest::qWait(200);
        audio.playTone(1, sink);
        QVERIFY(audio.playing());
        QCOMPARE(audio.toneBytes().size(), 52920 * 4);
        QTRY_VERIFY_WITH_TIMEOUT(!audio.playing(), 5000);
    }
};

class TestAudioWithoutServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("KELVARO_NO_SOUND_SERVER"))
            QSKIP("runs from ctest with the sound server pointed nowhere");
    }

    void nothingHangsOrClaimsToRun()
    {
        AudioController audio;
        const QVariantList inputs = audio.inputs();
        const QVariantList outputs = audio.outputs();
        audio.startMic(-1);
        if (inputs.isEmpty())
            QVERIFY(!audio.micActive());
        audio.playTone(2, -1);
        if (outputs.isEmpty())
            QVERIFY(!audio.playing());
        // Whatever the fallback devices do, a tone ends and the meter stops.
        QTRY_VERIFY_WITH_TIMEOUT(!audio.playing(), 5000);
        audio.stopMic();
        QVERIFY(!audio.micActive());
        QCOMPARE(audio.micLevel(), 0.0);
    }
};

KELVARO_TEST(TestAudioLoopback)
KELVARO_TEST(TestAudioWithoutServer)
#include "tst_audioloopback.moc"
