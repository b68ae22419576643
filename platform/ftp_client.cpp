// FTP transfers over libcurl in a worker thread.
#include "platform/ftp_client.h"

#include "platform/file_placement.h"

#include <QElapsedTimer>
#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace kx {

namespace {

constexpr int defaultFtpPort = 21;
// Progress goes to the window at most this often, and always at the end.
constexpr qint64 progressIntervalMs = 100;

void initCurlOnce()
{
    static std::once_flag done;
    std::call_once(done, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t readFromFile(char *buffer, size_t size, size_t count, void *data)
{
    auto *file = static_cast<QFile *>(data);
    const qint64 read = file->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

size_t writeToFile(char *buffer, size_t size, size_t count, void *data)
{
    auto *file = static_cast<QFile *>(data);
    const qint64 bytes = qint64(size * count);
    // A short count makes libcurl stop with a write error.
    return file->write(buffer, bytes) == bytes ? size_t(bytes) : 0;
}

} // namespace

struct FtpClient::Job
{
    bool upload = false;
    QByteArray url;
    QByteArray user;
    QByteArray password;
    QString localPath;
    // The rename after an upload, in the server's words (names as the server sees them).
    QByteArray renameFrom;
    QByteArray renameTo;
    // How many seconds a transfer may stall (no byte moving) before it counts as failed.
    long stallSeconds = 60;

    FtpClient *client = nullptr;
    QElapsedTimer sinceReport;
    qint64 reportedDone = -1;

    bool ok = false;
    QString error;
};

FtpClient::FtpClient(QObject *parent)
    : QObject(parent)
{
    initCurlOnce();
}

FtpClient::~FtpClient()
{
    m_abort = true;
}

void FtpClient::setServer(const QString &hostAndPort)
{
    m_server = hostAndPort.trimmed();
}

QString FtpClient::fileUrl(const QString &folder, const QString &remoteName) const
{
    QString host = m_server;
    int port = defaultFtpPort;
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && !host.contains(QLatin1Char(']'), Qt::CaseSensitive)) {
        bool numeric = false;
        const int given = host.mid(colon + 1).toInt(&numeric);
        if (numeric) {
            port = given;
            host.truncate(colon);
        }
    }
    QString url = QStringLiteral("ftp://") + host + QLatin1Char(':') + QString::number(port);
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        url += QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(part));
    return url + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(remoteName));
}

bool FtpClient::FtpUpload(const QString &folder, const QString &remoteName,
                          const QString &localPath)
{
    Job job;
    job.upload = true;
    const QString partial = remoteName + QStringLiteral(".part");
    job.url = fileUrl(folder, partial).toUtf8();
    job.localPath = localPath;
    job.renameFrom = partial.toUtf8();
    job.renameTo = remoteName.toUtf8();
    return run(job);
}

bool FtpClient::FtpDownload(const QString &folder, const QString &remoteName,
                            const QString &localPath)
{
    Job job;
    job.url = fileUrl(folder, remoteName).toUtf8();
    job.localPath = localPath;
    const bool ok = run(job);
    if (!ok)
        QFile::remove(localPath);
    return ok;
}

bool FtpClient::run(Job &job)
{
    if (m_busy) {
        m_lastError = QStringLiteral("a transfer is already running");
        return false;
    }
    job.user = m_user.toUtf8();
    job.password = m_password.toUtf8();
    job.client = this;
    m_abort = false;
    m_lastError.clear();
    m_busy = true;

    // Destroyed while waiting: the destructor stopped the worker; nothing here is ours now.
    if (!m_worker.run([this, &job] { runInWorker(job); }))
        return false;
    m_busy = false;
    m_lastError = job.ok ? QString() : job.error;
    return job.ok;
}

void FtpClient::reportProgress(bool upload, qint64 done, qint64 total)
{
    if (upload)
        emit SendProgress(done, total);
    else
        emit ReceiveProgress(total, done);
}

void FtpClient::runInWorker(Job &job)
{
    QFile file(job.localPath);
    const bool opened = job.upload ? file.open(QIODevice::ReadOnly)
                                   : file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened) {
        job.error = job.localPath + QStringLiteral(": ") + file.errorString();
        return;
    }
    CURL *curl = curl_easy_init();
    if (!curl) {
        job.error = QStringLiteral("libcurl could not start");
        return;
    }
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_slist *afterTransfer = nullptr;
    curl_easy_setopt(curl, CURLOPT_URL, job.url.constData());
    curl_easy_setopt(curl, CURLOPT_USERNAME, job.user.constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, job.password.constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, job.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, job.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &job);
    curl_easy_setopt(
        curl, CURLOPT_XFERINFOFUNCTION,
        +[](void *data, curl_off_t downloadTotal, curl_off_t downloaded, curl_off_t uploadTotal,
            curl_off_t uploaded) -> int {
            auto *job = static_cast<Job *>(data);
            FtpClient *client = job->client;
            if (client->m_abort)
                return 1;
            const qint64 done = job->upload ? uploaded : downloaded;
            const qint64 total = job->upload ? uploadTotal : downloadTotal;
            const bool last = total > 0 && done >= total;
            if (done == job->reportedDone || done == 0
                || (!last && job->sinceReport.isValid()
                    && job->sinceReport.elapsed() < progressIntervalMs))
                return 0;
            job->reportedDone = done;
            job->sinceReport.start();
            const bool upload = job->upload;
            // Delivered on the client's thread; dropped if the client is gone by then.
            QMetaObject::invokeMethod(
                client,
                [client, upload, done, total] { client->reportProgress(upload, done, total); },
                Qt::QueuedConnection);
            return 0;
        });
    if (job.upload) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readFromFile);
        curl_easy_setopt(curl, CURLOPT_READDATA, &file);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
        afterTransfer = curl_slist_append(afterTransfer, ("RNFR " + job.renameFrom).constData());
        afterTransfer = curl_slist_append(afterTransfer, ("RNTO " + job.renameTo).constData());
        curl_easy_setopt(curl, CURLOPT_POSTQUOTE, afterTransfer);
    } else {
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeToFile);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &file);
    }

    const CURLcode result = curl_easy_perform(curl);
    long lastReply = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &lastReply);
    curl_easy_cleanup(curl);
    curl_slist_free_all(afterTransfer);

    if (result != CURLE_OK) {
        job.error = QString::fromUtf8(*errorBuffer ? errorBuffer : curl_easy_strerror(result));
        return;
    }
    // libcurl has checked the transfer's end reply (226 or 250); the upload's last reply is
    // the answer to the rename, which must be a plain "done".
    if (job.upload && lastReply != 250) {
        job.error = QStringLiteral("the server answered the rename with %1").arg(lastReply);
        return;
    }
    if (!job.upload && !file.flush()) {
        job.error = job.localPath + QStringLiteral(": ") + file.errorString();
        return;
    }
    // On the disk before the caller gives the file a name that stays.
    if (!job.upload && !syncOpenFile(file.handle(), job.localPath, &job.error))
        return;
    file.close();
    if (!job.upload && file.error() != QFile::NoError) {
        job.error = job.localPath + QStringLiteral(": ") + file.errorString();
        return;
    }
    job.ok = true;
}

} // namespace kx
