#pragma once

#include <QAudio>
#include <QByteArray>
#include <QObject>
#include <QVariantList>

class QAudioInput;
class QAudioOutput;
class QBuffer;
class QIODevice;

// The microphone level meter and the left/right/both 440 Hz tone. At most one capture and one
// playback at a time, both on the GUI thread.
class AudioController : public QObject {
    Q_OBJECT
    Q_PROPERTY(double micLevel READ micLevel NOTIFY micLevelChanged)
    Q_PROPERTY(double micPeak READ micPeak NOTIFY micLevelChanged)
    Q_PROPERTY(bool micActive READ micActive NOTIFY micActiveChanged)
    Q_PROPERTY(bool playing READ playing NOTIFY playingChanged)
    Q_PROPERTY(QVariantList inputs READ inputs NOTIFY devicesChanged)
    Q_PROPERTY(QVariantList outputs READ outputs NOTIFY devicesChanged)

public:
    explicit AudioController(QObject *parent = nullptr);
    ~AudioController() override;

    double micLevel() const { return m_micLevel; }
    double micPeak() const { return m_micPeak; }
    bool micActive() const { return m_micActive; }
    bool playing() const { return m_playing; }
    // One map (name, isDefault) per device, read anew each time.
    QVariantList inputs() const;
    QVariantList outputs() const;
    // The bytes of the last tone, as played.
    QByteArray toneBytes() const { return m_toneBytes; }

    // An index outside the device list picks the default device.
    Q_INVOKABLE void startMic(int index);
    Q_INVOKABLE void startMic() { startMic(-1); }
    Q_INVOKABLE void stopMic();
    // channel: 0 left, 1 right, 2 both.
    Q_INVOKABLE void playTone(int channel, int outputIndex);
    Q_INVOKABLE void playTone(int channel) { playTone(channel, -1); }

signals:
    void micLevelChanged();
    void micActiveChanged();
    void playingChanged();
    void devicesChanged();

private slots:
    void onMicReadyRead();

private:
    void onInputState(QAudio::State state);
    void setPlaying(bool playing);
    void stopTone();

    QAudioInput *m_input = nullptr;
    QIODevice *m_inputStream = nullptr;
    double m_micLevel = 0;
    double m_micPeak = 0;
    bool m_micActive = false;
    QAudioOutput *m_output = nullptr;
    QBuffer *m_toneStream = nullptr;
    QByteArray m_toneBytes;
    bool m_playing = false;
};
