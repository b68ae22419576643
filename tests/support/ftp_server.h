// A real FTP server for the tests: Debian's pyftpdlib on 127.0.0.1, on a port it picks.
#pragma once

#include <QDir>
#include <QProcess>
#include <QString>

namespace kxtest {

// Started by Debian's own interpreter by its absolute path: the first python3 on PATH may be
// another one that does not see Debian's packages.
class FtpServer
{
public:
    // root is the server's top folder; throttle (bytes a second, 0 none) slows the data
    // connections both ways.
    FtpServer(const QString &root, const QString &user, const QString &password, int throttle = 0)
    {
        static const char *script = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
root, user, password, throttle = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm='elradfmwMT')
handler = FTPHandler
handler.authorizer = authorizer
if throttle > 0:
    dtp = ThrottledDTPHandler
    dtp.read_limit = throttle
    dtp.write_limit = throttle
    handler.dtp_handler = dtp
server = FTPServer(('127.0.0.1', 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)";
        QDir().mkpath(root);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        { QStringLiteral("-c"), QString::fromUtf8(script), root, user, password,
                          QString::number(throttle) });
        if (m_process.waitForStarted(10000) && m_process.waitForReadyRead(15000))
            m_port = QString::fromLatin1(m_process.readLine()).trimmed().toInt();
    }
    ~FtpServer() { kill(); }
    FtpServer(const FtpServer &) = delete;
    FtpServer &operator=(const FtpServer &) = delete;

    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    // "127.0.0.1:port", as KANTARIX_FTP_HOST takes it.
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Ends the server at once, as a crash or a pulled cable would.
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(10000);
    }

private:
    QProcess m_process;
    int m_port = 0;
};

} // namespace kxtest
