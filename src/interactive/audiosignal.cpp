#include "interactive/audiosignal.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kToneHz = 440.0;
constexpr double kToneSeconds = 1.2;
constexpr double kToneGain = 0.6;

} // namespace

QAudioFormat pcmFormat(int rate, int channels)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

QByteArray toneSamples(int channel, int sampleRate, int channelCount)
{
    if (sampleRate <= 0 || channelCount <= 0)
        return {};
    const int frames = static_cast<int>(sampleRate * kToneSeconds);
    const int fade = sampleRate / 50;
    QByteArray bytes(frames * channelCount * 2, '\0');
    auto *out = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < frames; ++i) {
        double envelope = 1.0;
        if (i < fade)
            envelope = double(i) / fade;
        else if (i > frames - fade)
            envelope = double(frames - i) / fade;
        const auto value = static_cast<qint16>(std::sin(i * 2.0 * kPi * kToneHz / sampleRate) * envelope *
                                               kToneGain * 32767.0);
        for (int c = 0; c < channelCount; ++c) {
            const bool audible = channel == 2 || (channel == 0 && c == 0) || (channel == 1 && c == 1);
            qToLittleEndian<qint16>(audible ? value : qint16(0), out);
            out += 2;
        }
    }
    return bytes;
}

bool meterUpdate(const QByteArray &chunk, SampleKind kind, double previousLevel, MeterReading *out)
{
    double sum = 0;
    double largest = 0;
    int count = 0;
    const auto *data = reinterpret_cast<const uchar *>(chunk.constData());
    if (kind == SampleKind::Int16) {
        count = chunk.size() / 2;
        for (int i = 0; i < count; ++i) {
            const double v = qFromLittleEndian<qint16>(data + 2 * i) / 32768.0;
            sum += v * v;
            largest = std::max(largest, std::abs(v));
        }
    } else if (kind == SampleKind::Float32) {
        count = chunk.size() / 4;
        for (int i = 0; i < count; ++i) {
            float v = 0;
            std::memcpy(&v, data + 4 * i, sizeof v);
            sum += double(v) * v;
            largest = std::max(largest, std::abs(double(v)));
        }
    } else {
        return false;
    }
    if (count == 0)
        return false;
    const double rms = std::sqrt(sum / count);
    out->level = std::min(1.0, rms * 1.8) * 0.6 + previousLevel * 0.4;
    out->peak = std::min(1.0, largest);
    return true;
}
