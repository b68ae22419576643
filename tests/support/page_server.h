// A small HTTP server on 127.0.0.1 for the tests of the pages the program fetches.
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace kxtest {

// Serves fixed bodies by path; other paths get 404. Counts the requests per path.
class PageServer : public QObject
{
public:
    PageServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }
    void setPage(const QString &path, const QByteArray &body) { m_pages[path] = body; }
    int requests(const QString &path) const { return m_requests.value(path); }

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(buffer.split(' ').value(1));
        m_buffers.remove(socket);
        ++m_requests[path];
        const bool known = m_pages.contains(path);
        const QByteArray body = known ? m_pages.value(path) : QByteArray("yok");
        socket->write((known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n")
                      + QByteArray("Content-Type: text/html\r\nConnection: close\r\n")
                      + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QHash<QString, int> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace kxtest
