// FTP upload and download over libcurl, run in a worker thread, with progress as signals.
#pragma once

#include "platform/worker_thread.h"

#include <QObject>
#include <QString>

#include <atomic>

namespace kx {

// One transfer at a time. Each transfer is a session of its own: log in, move to the folder,
// send or fetch the file, log out. The calls return when the transfer is over; while it runs
// the caller's thread keeps handling events in a local loop, so the window stays responsive
// and the progress signals arrive on it.
class FtpClient : public QObject
{
    Q_OBJECT

public:
    explicit FtpClient(QObject *parent = nullptr);
    // Stops a running transfer and waits for its thread: no signal comes after this.
    ~FtpClient() override;

    // The server as "host" or "host:port" (port 21 when none is given).
    void setServer(const QString &hostAndPort);
    void FtpUser(const QString &user) { m_user = user; }
    void FtpPassword(const QString &password) { m_password = password; }

    // Sends localPath into folder as remoteName. The data goes to remoteName + ".part" and is
    // renamed to remoteName only once the server confirmed the whole file, so that a broken
    // upload never stands under the final name. True only when the server confirmed both.
    bool FtpUpload(const QString &folder, const QString &remoteName, const QString &localPath);
    // Fetches folder/remoteName into localPath, which is created or emptied first; the caller
    // picks a fresh path. True only when the whole file arrived and is on the disk; otherwise
    // localPath is removed.
    bool FtpDownload(const QString &folder, const QString &remoteName, const QString &localPath);

    // libcurl's words for the last failure; empty after a success.
    QString lastError() const { return m_lastError; }
    // The FTP URL of a file: every name part percent-encoded.
    QString fileUrl(const QString &folder, const QString &remoteName) const;

signals:
    void SendProgress(qint64 sent, qint64 total);
    void ReceiveProgress(qint64 total, qint64 received);

private:
    struct Job;
    bool run(Job &job);
    void runInWorker(Job &job);
    void reportProgress(bool upload, qint64 done, qint64 total);

    QString m_server;
    QString m_user;
    QString m_password;
    QString m_lastError;
    bool m_busy = false;
    std::atomic<bool> m_abort { false };
    // Last, so that it waits for the worker while the members the worker uses still stand.
    WorkerThread m_worker;
};

} // namespace kx
