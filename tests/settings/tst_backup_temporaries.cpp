// The files that backups and restores make on a file system without unnamed temporary files:
// each one stays or is one that the next backup's clean-up removes.
#include "core/backup_names.h"
#include "tests/settings/backup_operations.h"
#include "tests/settings/backup_support.h"
#include "tests/support/kxtest.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

using namespace kx;
using namespace kxtest;

namespace {

// The files made in some folders (created or moved in), gathered by the kernel from the moment
// a folder is watched until they are taken, as "<the folder's label>/<name>".
class MadeFiles
{
public:
    MadeFiles()
        : m_queue(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    { }
    ~MadeFiles()
    {
        if (m_queue >= 0)
            ::close(m_queue);
    }
    MadeFiles(const MadeFiles &) = delete;
    MadeFiles &operator=(const MadeFiles &) = delete;

    bool watch(const QString &folder, const QString &label)
    {
        const int watch = ::inotify_add_watch(m_queue, QFile::encodeName(folder).constData(),
                                              IN_CREATE | IN_MOVED_TO);
        if (watch < 0)
            return false;
        m_labels.insert(watch, label);
        m_folders.insert(label, folder);
        return true;
    }
    // The path of a file as take() names it.
    QString path(const QString &labelled) const
    {
        const qsizetype slash = labelled.lastIndexOf(u'/');
        return m_folders.value(labelled.left(slash)) + labelled.mid(slash);
    }

    // Each file once, in the order made; false when the kernel dropped some.
    bool take(QStringList *files)
    {
        alignas(inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t length = ::read(m_queue, buffer, sizeof buffer);
            if (length < 0)
                return errno == EAGAIN;
            for (const char *at = buffer; at < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                if (event->mask & IN_Q_OVERFLOW)
                    return false;
                if (event->len > 0) {
                    const QString file = m_labels.value(event->wd) + u'/'
                        + QFile::decodeName(QByteArray(event->name));
                    if (!files->contains(file))
                        files->append(file);
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
    }

private:
    int m_queue = -1;
    QHash<int, QString> m_labels;
    QHash<QString, QString> m_folders;
};

} // namespace

class TestBackupTemporaries : public QObject
{
    Q_OBJECT

    // The child's part: the operation its parent prepared, where no unnamed file can be made.
    static void operateInChild()
    {
        const int unnamed
            = ::open(QFile::encodeName(qEnvironmentVariable("KANTARIX_DIR")).constData(),
                     O_TMPFILE | O_RDWR, 0600);
        std::printf("unnamed files: %s\n", unnamed < 0 && errno == EOPNOTSUPP ? "refused" : "made");
        runBackupOperation();
        endChild();
    }

private slots:
    void madeFilesAreKnown_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("done"); // the start of the last message, or the exit's result
        // What is left of the files made: "program/<name>" in the program folder, "usb/<name>"
        // on the drive (where the archive chosen for a restore lies), "usb/Yedekler/<name>".
        QTest::addColumn<QStringList>("left");

        const QString database = QStringLiteral("program/Data\\.mdb");
        const QString safetyCopy = QStringLiteral("program/Data_yukleme_oncesi_[-_0-9]+\\.mdb");
        const QString archive = QStringLiteral("program/Birinci_Firma_[-_0-9]+\\.zip");
        const QString restored
            = QStringLiteral("Yedek dosyanız yüklendi... Kantarix'yi tekrar başlatınız...");
        QTest::newRow("backup on the page")
            << "backup on the page"
            << "Yedek dosyanız oluşturuldu..." << QStringList { archive };
        QTest::newRow("backup on exit")
            << "backup on exit"
            << "written" << QStringList { QStringLiteral("usb/Yedekler/[-0-9]+ [-0-9]+\\.zip") };
        QTest::newRow("restore from a file")
            << "restore from a file" << restored << QStringList { database, safetyCopy };
        // The download stays in the program folder under its code.
        QTest::newRow("restore by code")
            << "restore by code" << restored << QStringList { database, safetyCopy, archive };
    }
    void madeFilesAreKnown()
    {
        if (inChild())
            operateInChild();
        QFETCH(QString, operation);
        QFETCH(QString, done);
        QFETCH(QStringList, left);
        BackupScene prepared;
        if (!prepared.prepare(operation))
            return;
        BackupOperation &scene = prepared.operation;
        const QString program = scene.program;

        MadeFiles made;
        QVERIFY(made.watch(program, QStringLiteral("program")));
        QVERIFY(made.watch(scene.drive, QStringLiteral("usb")));
        QVERIFY(made.watch(scene.backupFolder, QStringLiteral("usb/Yedekler")));
        const QProcessEnvironment environment = scene.environment();
        const ChildResult child = runInChild(QStringLiteral("TestBackupTemporaries"),
                                             QStringLiteral("madeFilesAreKnown"), environment,
                                             QStringLiteral(KX_NO_UNNAMED_FILES_SHIM));
        QVERIFY2(child.ended, child.output.constData());
        QVERIFY2(child.output.contains("unnamed files: refused\n"), child.output.constData());
        QVERIFY2(child.output.contains("done: " + done.toUtf8()), child.output.constData());
        QStringList files;
        QVERIFY(made.take(&files));

        // What is left is what stays, each one found once.
        QStringList passing;
        QStringList kept;
        for (const QString &file : files)
            (QFileInfo::exists(made.path(file)) ? kept : passing) << file;
        for (const QString &pattern : left) {
            const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
            QVERIFY2(kept.removeIf([&](const QString &file) {
                return expression.match(file).hasMatch();
            }) == 1,
                     qPrintable(pattern));
        }
        QCOMPARE(kept, QStringList());
        // SQLite's own journal of the live database, from the program's work on it, is none
        // of the backup's.
        passing.removeAll(QStringLiteral("program/Data.mdb-journal"));
        QVERIFY(!passing.isEmpty());

        // Each passing file, made again and two hours old, goes with the next backups.
        const QDateTime old = QDateTime::currentDateTime().addSecs(-2 * 3600);
        for (const QString &file : passing) {
            writeFile(made.path(file), "yarım");
            QFile written(made.path(file));
            QVERIFY(written.open(QIODevice::ReadWrite));
            QVERIFY(written.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QDateTime now = QDateTime::currentDateTime();
        removeBackupLeftovers(program, program + u'/' + backupArchiveName(state().FirmaAdi, now));
        removeBackupLeftovers(program, scene.backupFolder + u'/' + autoBackupName(now));
        for (const QString &file : passing)
            QVERIFY2(!QFileInfo::exists(made.path(file)), qPrintable(file));
    }
};

KX_TEST(TestBackupTemporaries)
#include "tst_backup_temporaries.moc"
