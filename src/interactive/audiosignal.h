#pragma once

#include <QAudioFormat>
#include <QByteArray>

// The tone and the level meter as plain arithmetic over PCM bytes.

// The format the tone is written in and the meter reads first: 16-bit signed little-endian PCM.
QAudioFormat pcmFormat(int rate, int channels);

enum class ToneChannel { Left = 0, Right = 1, Both = 2 };

// 1.2 s of a 440 Hz sine at 60 % of full scale with 20 ms linear fades, 16-bit little-endian,
// interleaved over channelCount channels. The tone goes to the left sample (channel 0), the right
// (1) or every sample (2); any other code gives silence of the same length.
QByteArray toneSamples(int channel, int sampleRate, int channelCount);

enum class SampleKind { Int16, Float32, Other };

struct MeterReading {
    double level = 0; // smoothed, 0-1
    double peak = 0;  // largest magnitude of this chunk alone, 0-1
};

// Folds one captured chunk into the meter: each chunk moves the level 60 % of the way to
// min(1, rms * 1.8). False, leaving `out` alone, for another sample kind or a chunk without a
// whole sample; all channels count as one stream.
bool meterUpdate(const QByteArray &chunk, SampleKind kind, double previousLevel, MeterReading *out);
