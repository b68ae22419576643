// Zip archives over libzip.
#include "platform/zip.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <unistd.h>

namespace kx {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString libzipText(zip_error_t *zipError)
{
    return QString::fromUtf8(zip_error_strerror(zipError));
}

QString openErrorText(int code)
{
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    const QString text = libzipText(&zipError);
    zip_error_fini(&zipError);
    return text;
}

// Opens an archive for reading; null with the reason in *error.
zip_t *openForReading(const QString &archivePath, int flags, QString *error)
{
    int code = 0;
    zip_t *archive
        = zip_open(QFile::encodeName(archivePath).constData(), flags | ZIP_RDONLY, &code);
    if (!archive)
        setError(error, archivePath + QStringLiteral(": ") + openErrorText(code));
    return archive;
}

} // namespace

bool zipFileAs(const QString &archivePath, const QString &sourcePath, const QString &entryName,
               QString *error)
{
    const QFileInfo source(sourcePath);
    if (!source.isFile() || !source.isReadable()) {
        setError(error, sourcePath + QStringLiteral(": cannot read the file"));
        return false;
    }
    int code = 0;
    zip_t *archive
        = zip_open(QFile::encodeName(archivePath).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!archive) {
        setError(error, archivePath + QStringLiteral(": ") + openErrorText(code));
        return false;
    }
    zip_source_t *data = zip_source_file(archive, QFile::encodeName(sourcePath).constData(), 0, -1);
    if (!data) {
        setError(error, sourcePath + QStringLiteral(": ") + libzipText(zip_get_error(archive)));
        zip_discard(archive);
        return false;
    }
    const zip_int64_t index
        = zip_file_add(archive, entryName.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        setError(error, entryName + QStringLiteral(": ") + libzipText(zip_get_error(archive)));
        zip_source_free(data);
        zip_discard(archive);
        return false;
    }
    if (zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) != 0) {
        setError(error, libzipText(zip_get_error(archive)));
        zip_discard(archive);
        return false;
    }
    // libzip writes a temporary file beside the archive and renames it only when all went well.
    if (zip_close(archive) != 0) {
        setError(error, archivePath + QStringLiteral(": ") + libzipText(zip_get_error(archive)));
        zip_discard(archive);
        return false;
    }
    return true;
}

bool checkZipArchive(const QString &archivePath, QString *error)
{
    zip_t *archive = openForReading(archivePath, ZIP_CHECKCONS, error);
    if (!archive)
        return false;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    bool sound = count > 0;
    if (!sound)
        setError(error, archivePath + QStringLiteral(": the archive holds no file"));
    char buffer[64 * 1024];
    for (zip_int64_t i = 0; sound && i < count; ++i) {
        zip_file_t *entry = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!entry) {
            setError(error, libzipText(zip_get_error(archive)));
            sound = false;
            break;
        }
        // The checksum is compared when the last byte has been read.
        zip_int64_t read = 0;
        while ((read = zip_fread(entry, buffer, sizeof buffer)) > 0) { }
        if (read < 0) {
            setError(error, libzipText(zip_file_get_error(entry)));
            sound = false;
        }
        if (zip_fclose(entry) != 0 && sound) {
            setError(error, archivePath + QStringLiteral(": cannot read an entry"));
            sound = false;
        }
    }
    zip_discard(archive);
    return sound;
}

QStringList zipEntryNames(const QString &archivePath)
{
    QStringList names;
    zip_t *archive = openForReading(archivePath, 0, nullptr);
    if (!archive)
        return names;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char *name = zip_get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            names << QString::fromUtf8(name);
    }
    zip_discard(archive);
    return names;
}

bool unzipEntry(const QString &archivePath, const QString &entryName, const QString &targetPath,
                QString *error)
{
    zip_t *archive = openForReading(archivePath, 0, error);
    if (!archive)
        return false;
    const zip_int64_t index
        = zip_name_locate(archive, entryName.toUtf8().constData(), ZIP_FL_ENC_GUESS);
    zip_file_t *entry = index < 0 ? nullptr : zip_fopen_index(archive, zip_uint64_t(index), 0);
    if (!entry) {
        setError(error, entryName + QStringLiteral(": ") + libzipText(zip_get_error(archive)));
        zip_discard(archive);
        return false;
    }
    // Into the target itself: the caller's own temporary file beside the final place. A
    // QSaveFile would make one more of its own, named where unnamed files are refused.
    QFile target(targetPath);
    const bool opened = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    bool sound = opened;
    if (!opened)
        setError(error, targetPath + QStringLiteral(": ") + target.errorString());
    char buffer[64 * 1024];
    zip_int64_t read = 0;
    while (sound && (read = zip_fread(entry, buffer, sizeof buffer)) > 0) {
        if (target.write(buffer, read) != read) {
            setError(error, targetPath + QStringLiteral(": ") + target.errorString());
            sound = false;
        }
    }
    if (sound && read < 0) {
        setError(error, entryName + QStringLiteral(": ") + libzipText(zip_file_get_error(entry)));
        sound = false;
    }
    zip_fclose(entry);
    zip_discard(archive);
    // On the disk before the caller renames it over a file that was.
    if (sound && !target.flush()) {
        setError(error, targetPath + QStringLiteral(": ") + target.errorString());
        sound = false;
    }
    if (sound && ::fsync(target.handle()) != 0) {
        setError(error, targetPath + QStringLiteral(": cannot write to the disk"));
        sound = false;
    }
    target.close();
    if (opened && !sound)
        target.remove();
    return sound;
}

} // namespace kx
