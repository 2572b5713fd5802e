#include "loopbackserver.h"

#include "testdata.h"

#include <QSslKey>
#include <QSslSocket>
#include <QUrl>

namespace {

QSslCertificate certificate()
{
    return QSslCertificate(testDataBytes(QStringLiteral("update/loopback.crt")), QSsl::Pem);
}

} // namespace

LoopbackServer::LoopbackServer(bool encrypted) : m_encrypted(encrypted)
{
    listen(QHostAddress::LocalHost);
}

QString LoopbackServer::base() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(m_encrypted ? "https" : "http").arg(serverPort());
}

QSslConfiguration LoopbackServer::trust()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates({certificate()});
    return configuration;
}

void LoopbackServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { answer(socket); });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    if (!m_encrypted)
        return;
    socket->setLocalCertificate(certificate());
    socket->setPrivateKey(QSslKey(testDataBytes(QStringLiteral("update/loopback.key")), QSsl::Ec));
    socket->startServerEncryption();
}

void LoopbackServer::answer(QSslSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    m_lastHead = head;
    const QByteArray target = head.split(' ').value(1);
    m_targets << QString::fromUtf8(target);
    const QString path = QUrl(QString::fromUtf8(target)).path(QUrl::FullyEncoded);
    const CannedReply reply = m_replies.value(path, CannedReply{404, "missing", {}, true, -1});

    QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n";
    if (!reply.location.isEmpty())
        response += "Location: " + reply.location + "\r\n";
    if (reply.announceLength)
        response += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n";
    if (reply.stallAfter >= 0) {
        socket->write(response + reply.body.left(reply.stallAfter));
        return;
    }
    socket->write(response + reply.body);
    socket->disconnectFromHost();
}
