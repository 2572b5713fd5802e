#include "interactive/audiocontroller.h"

#include "interactive/audiosignal.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QAudioOutput>
#include <QBuffer>
#include <QTimer>

namespace {

QAudioDeviceInfo defaultDevice(QAudio::Mode mode)
{
    return mode == QAudio::AudioInput ? QAudioDeviceInfo::defaultInputDevice()
                                      : QAudioDeviceInfo::defaultOutputDevice();
}

// The devices of the back end that gives the default device. On Linux the sound server's
// devices would otherwise come after a dozen ALSA plug-in names (rate converters, jack, oss...)
// that are no microphone or speaker to a user.
QList<QAudioDeviceInfo> devicesOf(QAudio::Mode mode)
{
    const QList<QAudioDeviceInfo> all = QAudioDeviceInfo::availableDevices(mode);
    const QAudioDeviceInfo preferred = defaultDevice(mode);
    if (preferred.isNull())
        return all;
    QList<QAudioDeviceInfo> same;
    for (const QAudioDeviceInfo &device : all)
        if (device.realm() == preferred.realm())
            same.append(device);
    return same.isEmpty() ? all : same;
}

QVariantList deviceList(QAudio::Mode mode)
{
    const QAudioDeviceInfo preferred = defaultDevice(mode);
    QVariantList list;
    for (const QAudioDeviceInfo &device : devicesOf(mode))
        list.append(
            QVariantMap{{QStringLiteral("name"), device.deviceName()},
                        {QStringLiteral("isDefault"), device.deviceName() == preferred.deviceName()}});
    return list;
}

QAudioDeviceInfo pickDevice(QAudio::Mode mode, int index)
{
    const QList<QAudioDeviceInfo> devices = devicesOf(mode);
    if (devices.isEmpty())
        return {};
    if (index >= 0 && index < devices.size())
        return devices.at(index);
    return defaultDevice(mode);
}

SampleKind kindOf(const QAudioFormat &format)
{
    if (format.sampleSize() == 16 && format.sampleType() == QAudioFormat::SignedInt)
        return SampleKind::Int16;
    if (format.sampleSize() == 32 && format.sampleType() == QAudioFormat::Float)
        return SampleKind::Float32;
    return SampleKind::Other;
}

} // namespace

AudioController::AudioController(QObject *parent) : QObject(parent) {}

AudioController::~AudioController()
{
    stopMic();
    stopTone();
}

QVariantList AudioController::inputs() const
{
    return deviceList(QAudio::AudioInput);
}

QVariantList AudioController::outputs() const
{
    return deviceList(QAudio::AudioOutput);
}

void AudioController::startMic(int index)
{
    stopMic();
    const QAudioDeviceInfo device = pickDevice(QAudio::AudioInput, index);
    if (device.isNull())
        return;
    QAudioFormat format = pcmFormat(16000, 1);
    if (!device.isFormatSupported(format))
        format = device.nearestFormat(format);
    m_input = new QAudioInput(device, format, this);
    connect(m_input, &QAudioInput::stateChanged, this, &AudioController::onInputState);
    m_inputStream = m_input->start();
    if (!m_inputStream) {
        delete m_input;
        m_input = nullptr;
        return;
    }
    connect(m_inputStream, &QIODevice::readyRead, this, &AudioController::onMicReadyRead);
    m_micActive = true;
    emit micActiveChanged();
}

void AudioController::stopMic()
{
    if (m_input) {
        QAudioInput *input = m_input;
        m_input = nullptr;
        m_inputStream = nullptr;
        input->disconnect(this);
        input->stop();
        // A state signal may be on its way from inside this input: delete it after that.
        input->deleteLater();
    }
    if (m_micActive) {
        m_micActive = false;
        emit micActiveChanged();
    }
    m_micLevel = 0;
    m_micPeak = 0;
    emit micLevelChanged();
}

// A device that fails to open or goes away mid-capture stops the meter instead of freezing it.
void AudioController::onInputState(QAudio::State state)
{
    if (state == QAudio::StoppedState && m_input && m_input->error() != QAudio::NoError)
        QTimer::singleShot(0, this, &AudioController::stopMic);
}

void AudioController::onMicReadyRead()
{
    if (!m_inputStream || !m_input)
        return;
    const QByteArray chunk = m_inputStream->readAll();
    if (chunk.isEmpty())
        return;
    MeterReading reading;
    if (!meterUpdate(chunk, kindOf(m_input->format()), m_micLevel, &reading))
        return;
    m_micLevel = reading.level;
    m_micPeak = reading.peak;
    emit micLevelChanged();
}

void AudioController::stopTone()
{
    if (m_output) {
        m_output->disconnect(this);
        // Stopped first: deleting a running output lets the pulse back end feed a closed stream.
        m_output->stop();
        delete m_output;
        m_output = nullptr;
    }
    delete m_toneStream;
    m_toneStream = nullptr;
}

void AudioController::playTone(int channel, int outputIndex)
{
    stopTone();
    const QAudioDeviceInfo device = pickDevice(QAudio::AudioOutput, outputIndex);
    if (device.isNull()) {
        setPlaying(false);
        return;
    }
    QAudioFormat format = pcmFormat(44100, 2);
    if (!device.isFormatSupported(format))
        format = device.nearestFormat(format);
    m_toneBytes = toneSamples(channel, format.sampleRate(), format.channelCount());
    m_toneStream = new QBuffer(&m_toneBytes);
    m_toneStream->open(QIODevice::ReadOnly);
    m_output = new QAudioOutput(device, format, this);
    connect(m_output, &QAudioOutput::stateChanged, this,
            [this](QAudio::State state) { setPlaying(state == QAudio::ActiveState); });
    m_output->start(m_toneStream);
    // An output that could not open reports its stopped state before this line.
    setPlaying(m_output->state() == QAudio::ActiveState || m_output->error() == QAudio::NoError);
}

void AudioController::setPlaying(bool playing)
{
    if (m_playing == playing)
        return;
    m_playing = playing;
    emit playingChanged();
}
