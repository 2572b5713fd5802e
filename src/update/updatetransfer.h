#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

class QNetworkReply;

// One GET of the update server, read as it arrives. It refuses a body beyond its limit (by the
// announced length at once, else when the bytes go past it) and gives up when the server stays
// silent, so that neither a check nor a download can hang or fill the memory.
class UpdateTransfer : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Done, Failed, TimedOut, TooLarge, SinkFailed };

    struct Limits {
        qint64 maxBytes = 0;
        int idleMs = 0;  // longest wait for the next bytes
        int totalMs = 0; // longest whole transfer; 0 for no limit
    };

    // Every chunk goes to the sink; a sink that returns false stops the transfer.
    using Sink = std::function<bool(const QByteArray &chunk)>;

    // Takes the reply over; it is deleted with the transfer.
    UpdateTransfer(QNetworkReply *reply, const Limits &limits, Sink sink, QObject *parent = nullptr);
    ~UpdateTransfer() override;

    // Stops without a finished signal.
    void abort();

signals:
    // After every chunk; total is -1 when the server did not announce a length.
    void progress(qint64 received, qint64 total);
    void finished(UpdateTransfer::Outcome outcome);

private:
    void checkHeaders();
    void drain();
    void complete();
    void stop(Outcome outcome);

    QNetworkReply *m_reply;
    Limits m_limits;
    Sink m_sink;
    QTimer m_idle;
    QTimer m_total;
    qint64 m_received = 0;
    qint64 m_announced = -1;
    bool m_errorPage = false;
    bool m_stopped = false;
};
