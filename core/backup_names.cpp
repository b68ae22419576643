// The file names of the backups and the patterns that recognise them.
#include "core/backup_names.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace kx {

namespace {

QRegularExpression templatePattern(const QString &fileTemplate, const QString &after = {})
{
    QString pattern = QRegularExpression::escape(fileTemplate);
    pattern.replace(QStringLiteral("XXXXXX"), QStringLiteral("[A-Za-z0-9]{6}"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern + after));
}

} // namespace

QString autoBackupName(const QDateTime &time, int sequence)
{
    QString name = time.toString(BackupTimeFormat);
    if (sequence > 1)
        name += QStringLiteral(" (%1)").arg(sequence);
    return name + QStringLiteral(".zip");
}

QDateTime autoBackupTime(const QString &fileName, int *sequence)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d\\d-\\d\\d-\\d\\d\\d\\d \\d\\d-\\d\\d-\\d\\d)(?: \\(([1-9]\\d{0,5})\\))?\\.zip$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return {};
    const QDateTime time = QDateTime::fromString(match.captured(1), BackupTimeFormat);
    if (sequence)
        *sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return time;
}

bool isUploadCodeCharacter(QChar character)
{
    return character.isLetter() || character.isDigit() || character == u'_' || character == u'-';
}

QString backupArchiveName(const QString &companyName, const QDateTime &time, int sequence)
{
    // Composed letters, so that "ü" is one letter and not "u" and a mark.
    QString name = companyName.normalized(QString::NormalizationForm_C);
    name.remove(u'.');
    name += u' ' + time.toString(BackupTimeFormat);
    name.replace(u' ', u'_');
    for (QChar &character : name) {
        if (!isUploadCodeCharacter(character))
            character = u'_';
    }
    if (sequence > 1)
        name += u'_' + QString::number(sequence);
    return name + QStringLiteral(".zip");
}

bool isManualBackupName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[\\p{L}\\p{Nd}_-]*_\\d\\d-\\d\\d-\\d\\d\\d\\d_\\d\\d-\\d\\d-\\d\\d"
                       "(?:_[1-9]\\d*)?\\.zip$"));
    return pattern.match(fileName).hasMatch();
}

bool isBackupTemporaryName(const QString &fileName)
{
    // VACUUM INTO writes the snapshot through a journal of its own, and the check of an
    // extracted database in WAL mode makes its "-wal" and "-shm": a backup or restore killed
    // then leaves them too.
    const QString companions = QStringLiteral("(?:-journal|-wal|-shm)?");
    static const QList<QRegularExpression> patterns
        = { templatePattern(SnapshotFileTemplate, companions),
            templatePattern(ExtractedFileTemplate, companions),
            templatePattern(DownloadFileTemplate) };
    return std::any_of(patterns.begin(), patterns.end(), [&](const QRegularExpression &pattern) {
        return pattern.match(fileName).hasMatch();
    });
}

bool isUnfinishedArchiveName(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(.*\\.zip)(?:\\.[a-z0-9]{6}){1,2}$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    const QString archive = match.captured(1);
    return autoBackupTime(archive).isValid() || isManualBackupName(archive);
}

} // namespace kx
