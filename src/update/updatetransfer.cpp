#include "update/updatetransfer.h"

#include <QNetworkReply>

namespace {

// What the reply may keep unread: the transfer, not the network layer, holds the data.
constexpr qint64 kChunkBytes = 64 * 1024;

} // namespace

UpdateTransfer::UpdateTransfer(QNetworkReply *reply, const Limits &limits, Sink sink, QObject *parent)
    : QObject(parent), m_reply(reply), m_limits(limits), m_sink(std::move(sink))
{
    m_reply->setParent(this);
    m_reply->setReadBufferSize(kChunkBytes);
    m_idle.setSingleShot(true);
    m_idle.setInterval(m_limits.idleMs);
    m_total.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] { stop(Outcome::TimedOut); });
    connect(&m_total, &QTimer::timeout, this, [this] { stop(Outcome::TimedOut); });
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateTransfer::checkHeaders);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateTransfer::drain);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateTransfer::complete);
    // The idle wait covers the connection and the handshake too.
    m_idle.start();
    if (m_limits.totalMs > 0)
        m_total.start(m_limits.totalMs);
}

UpdateTransfer::~UpdateTransfer()
{
    abort();
}

void UpdateTransfer::abort()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_idle.stop();
    m_total.stop();
    m_reply->disconnect(this);
    m_reply->abort();
}

void UpdateTransfer::checkHeaders()
{
    if (m_stopped)
        return;
    m_idle.start();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An error page is not the body; the reply reports the error when it ends.
    m_errorPage = status >= 400;
    bool known = false;
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    m_announced = known && status >= 200 && status < 300 ? announced : -1;
    if (m_announced > m_limits.maxBytes)
        stop(Outcome::TooLarge);
}

void UpdateTransfer::drain()
{
    while (!m_stopped && m_reply->bytesAvailable() > 0) {
        m_idle.start();
        const QByteArray chunk = m_reply->read(kChunkBytes);
        if (chunk.isEmpty())
            break;
        if (m_errorPage)
            continue;
        m_received += chunk.size();
        if (m_received > m_limits.maxBytes)
            stop(Outcome::TooLarge);
        else if (!m_sink(chunk))
            stop(Outcome::SinkFailed);
        else
            emit progress(m_received, m_announced);
    }
}

void UpdateTransfer::complete()
{
    drain();
    if (m_stopped)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = m_reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
    stop(ok ? Outcome::Done : Outcome::Failed);
}

void UpdateTransfer::stop(Outcome outcome)
{
    const bool running = m_reply->isRunning();
    m_stopped = true;
    m_idle.stop();
    m_total.stop();
    m_reply->disconnect(this);
    if (running)
        m_reply->abort();
    emit finished(outcome);
}
