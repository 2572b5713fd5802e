#pragma once

#include <QByteArray>
#include <QHash>
#include <QSslConfiguration>
#include <QStringList>
#include <QTcpServer>

class QSslSocket;

// What the server answers for one path.
struct CannedReply {
    CannedReply(int status = 200, QByteArray body = {}, QByteArray location = {}, bool announceLength = true,
                int stallAfter = -1)
        : status(status), body(std::move(body)), location(std::move(location)),
          announceLength(announceLength), stallAfter(stallAfter)
    {
    }

    int status;
    QByteArray body;
    QByteArray location; // target of a redirect
    bool announceLength; // without, the body ends when the connection closes
    int stallAfter;      // send this many bytes of the body, then nothing, and stay connected
};

// An HTTPS server on 127.0.0.1 with a test-only certificate, which only trust() accepts; or a plain
// HTTP one, the target of a downgrading redirect.
class LoopbackServer : public QTcpServer {
    Q_OBJECT

public:
    explicit LoopbackServer(bool encrypted = true);

    QString base() const;
    void serve(const QString &path, const CannedReply &reply) { m_replies.insert(path, reply); }
    // Request targets in arrival order, query included.
    QStringList targets() const { return m_targets; }
    QByteArray lastHead() const { return m_lastHead; }

    static QSslConfiguration trust();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void answer(QSslSocket *socket);

    bool m_encrypted;
    QHash<QString, CannedReply> m_replies;
    QStringList m_targets;
    QByteArray m_lastHead;
};
