// Tests of the backup page against a real FTP server and a version page on 127.0.0.1.
#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/ftp_client.h"
#include "platform/zip.h"
#include "settings/backup.h"
#include "settings/backup_page.h"
#include "settings/settings_window.h"
#include "tests/app/events_window.h"
#include "tests/settings/backup_support.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/ftp_server.h"
#include "tests/support/kxtest.h"
#include "tests/support/page_server.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace kx;
using namespace kxtest;

namespace {

const QString User = QStringLiteral("yedekci");
const QString Password = QStringLiteral("s1fre");
const QString VersionPath = QStringLiteral("/kx3/kxver.html");

QByteArray versionPage(const QString &user, const QString &password)
{
    return ("<html>un = " + user + "/un pw = " + password + "/pw vrs = 239!</html>").toUtf8();
}

QString errorBoxText()
{
    return QStringLiteral("Hata oluştu!\r\nMuhtemel sebepler;\r\n*)Sunucudan yedek dosyanızı "
                          "almak için hatalı indirme kodu girdiniz,\r\n*)İnternet bağlantınızda "
                          "problem var...");
}

QStringList shown(const QString &kind)
{
    QStringList texts;
    for (const MessageRecord &record : messageScript().shown) {
        if (record.kind == kind)
            texts << record.text;
    }
    return texts;
}

QString codeNoticeStart()
{
    return QStringLiteral(
        "Yedekleme dosyanız sunucuya gönderildi...\r\nBu dosyanın yükleme kodu : ");
}

} // namespace

class TestBackupPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_outside;
    std::unique_ptr<PageServer> m_web;
    std::unique_ptr<FtpServer> m_ftp;
    std::unique_ptr<QTcpServer> m_listener;
    std::unique_ptr<FAyar> m_window;
    BackupPage *m_page = nullptr;
    int m_ended = 0;

    QString serverFolder() const { return m_outside->filePath(QStringLiteral("ftp/KXUserFiles")); }
    QString live() const { return m_fixture->databasePath(); }

    void startFtp(int throttle = 0)
    {
        m_ftp = std::make_unique<FtpServer>(m_outside->filePath(QStringLiteral("ftp")), User,
                                            Password, throttle);
        QVERIFY(m_ftp->isRunning());
        qputenv("KANTARIX_FTP_HOST", m_ftp->host().toUtf8());
    }

    // A port that only listens, for the cases that must not reach the server at all.
    void listenInsteadOfFtp()
    {
        m_listener = std::make_unique<QTcpServer>();
        QVERIFY(m_listener->listen(QHostAddress::LocalHost));
        qputenv("KANTARIX_FTP_HOST",
                QByteArray("127.0.0.1:") + QByteArray::number(m_listener->serverPort()));
    }
    bool ftpContacted()
    {
        QTest::qWait(50);
        return m_listener->hasPendingConnections();
    }

    // The settings window on its "Yedekleme" page, made after the servers so that the page
    // takes their address.
    void openPage()
    {
        m_window = std::make_unique<FAyar>();
        m_page = m_window->findChild<BackupPage *>();
        QVERIFY(m_page);
        QCOMPARE(m_page->parentWidget(), m_window->backupPage());
        m_page->endProgram = [this] { ++m_ended; };
        m_window->Tab1->setCurrentIndex(2);
        m_window->show();
    }

    void run(int option)
    {
        m_page->Option1[option]->setChecked(true);
        QTest::mouseClick(m_page->BYedek, Qt::LeftButton);
    }

    QStringList programZips() const
    {
        return QDir(m_fixture->folder()).entryList({ QStringLiteral("*.zip") }, QDir::Files);
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        m_fixture->loadLists();
        state().MainComputer = true;
        installBackupPage();
        m_outside = std::make_unique<QTemporaryDir>();
        QDir().mkpath(serverFolder());
        m_web = std::make_unique<PageServer>();
        m_web->setPage(VersionPath, versionPage(User, Password));
        qputenv("KANTARIX_WEB_HOST", m_web->host().toUtf8());
        onlineOverride() = true;
        m_ended = 0;
    }
    void cleanup()
    {
        m_window.reset();
        m_ftp.reset();
        m_listener.reset();
        m_web.reset();
        m_fixture.reset();
        m_outside.reset();
        onlineOverride().reset();
        FAyar::setBackupPageBuilder({});
        qunsetenv("KANTARIX_WEB_HOST");
        qunsetenv("KANTARIX_FTP_HOST");
    }

    void localArchive()
    {
        openPage();
        run(0);
        const QStringList zips = programZips();
        QCOMPARE(zips.size(), 1);
        QVERIFY(zips.first().startsWith(QStringLiteral("Birinci_Firma_")));
        const QString archive = m_fixture->folder() + u'/' + zips.first();
        QCOMPARE(zipEntryNames(archive), QStringList { "Data.mdb" });
        const MessageRecord notice = messageScript().shown.last();
        QCOMPARE(notice.kind, QStringLiteral("notice"));
        QCOMPARE(notice.title, QStringLiteral("Yedekleme"));
        QCOMPARE(notice.text,
                 QStringLiteral("Yedek dosyanız oluşturuldu...\r\nDosya adresi : ")
                     + QDir::toNativeSeparators(archive));
        QVERIFY(state().Conn->IsOpen());
    }

    // While the archive is made the page is in the running state of a transfer: the window
    // answers, cannot be closed or saved, and says what is going on. A lock held by another
    // connection makes the snapshot wait until the watcher has seen it all.
    void runningWhileTheArchiveIsMade()
    {
        const QString lockName = QStringLiteral("tst_archive_lock");
        QSqlDatabase lockDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockName);
        const auto removeLock = qScopeGuard([&] {
            lockDb = QSqlDatabase();
            QSqlDatabase::removeDatabase(lockName);
        });
        lockDb.setDatabaseName(live());
        QVERIFY(lockDb.open());
        QSqlQuery lock(lockDb);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        openPage();
        bool seen = false;
        bool buttonsDisabled = false;
        bool stayedOpen = false;
        int messagesMeanwhile = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (seen
                || m_page->LabDurum->text()
                    != QStringLiteral("Yedek dosyanız oluşturuluyor, bekleyiniz..."))
                return;
            seen = true;
            buttonsDisabled = !m_page->BYedek->isEnabled() && !m_window->BKaydet->isEnabled();
            m_window->close();
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
            m_window->BKaydet_Click();
            QTest::mouseClick(m_page->BYedek, Qt::LeftButton);
            stayedOpen = m_window->isVisible() && m_page->transferRunning();
            messagesMeanwhile = int(messageScript().shown.size());
            lock.exec(QStringLiteral("ROLLBACK"));
        });
        watch.start(20);
        run(0);
        watch.stop();

        QVERIFY(seen);
        QVERIFY(buttonsDisabled);
        QVERIFY(stayedOpen);
        QCOMPARE(messagesMeanwhile, 0);
        QCOMPARE(programZips().size(), 1);
        QCOMPARE(shown(QStringLiteral("notice")).size(), 1);
        QVERIFY(shown(QStringLiteral("notice"))
                    .first()
                    .startsWith(QStringLiteral("Yedek dosyanız oluşturuldu...")));
        QCOMPARE(m_page->LabDurum->text(), QString());
        QVERIFY(m_page->BYedek->isEnabled());
        QVERIFY(m_window->BKaydet->isEnabled());
        QVERIFY(m_window->close());
    }

    // The window going away while the archive is made waits for it; nothing is shown after.
    void pageDestroyedWhileTheArchiveIsMade()
    {
        openPage();
        QPointer<BackupPage> page(m_page);
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (page && page->transferRunning())
                m_window.reset();
        });
        watch.start(0);
        m_page->Option1[0]->setChecked(true);
        m_page->BYedek_Click();
        watch.stop();
        QVERIFY(!page);
        QCOMPARE(messageScript().shown.size(), 0);
    }

    // A restore keeps the live file's mode and group, whichever way the archive came; the
    // download kept in the program folder has the folder's usual mode for a new file.
    void restoreKeepsPermissions_data()
    {
        QTest::addColumn<bool>("byCode");
        QTest::addColumn<int>("mode");
        QTest::newRow("from a file, 0664") << false << 0664;
        QTest::newRow("by code, 0664") << true << 0664;
        QTest::newRow("from a file, 0644") << false << 0644;
        QTest::newRow("by code, 0644") << true << 0644;
    }
    void restoreKeepsPermissions()
    {
        QFETCH(bool, byCode);
        QFETCH(int, mode);
        addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
        const QString archive = CreateBackupArchive(
            live(), byCode ? serverFolder() : m_outside->path(), state().FirmaAdi);
        QVERIFY(!archive.isEmpty());
        addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
        QCOMPARE(::chmod(QFile::encodeName(live()).constData(), mode_t(mode)), 0);
        if (const std::optional<gid_t> group = otherFileGroup())
            QCOMPARE(::chown(QFile::encodeName(live()).constData(), uid_t(-1), *group), 0);
        const gid_t group = fileGroup(live());
        state().BackupUser = User;
        state().BackupPassword = Password;
        if (byCode)
            startFtp();
        else
            listenInsteadOfFtp();
        openPage();
        messageScript().answers = { AnswerYes };
        if (byCode)
            messageScript().inputs = { uploadCode(QFileInfo(archive).fileName()) };
        else
            messageScript().files = { archive };
        // Another umask than the usual one shows where the download's mode comes from.
        const mode_t mask = ::umask(0002);
        const auto restoreMask = qScopeGuard([mask] { ::umask(mask); });
        run(byCode ? 3 : 2);

        QCOMPARE(m_ended, 1);
        QCOMPARE(stockNames(live()), QStringList { "YEDEKTEKİ KART" });
        QCOMPARE(fileMode(live()), mode);
        QCOMPARE(fileGroup(live()), group);
        const QStringList copies
            = QDir(m_fixture->folder()).entryList({ QStringLiteral("Data_yukleme_oncesi_*.mdb") });
        QCOMPARE(copies.size(), 1);
        QCOMPARE(fileMode(m_fixture->folder() + u'/' + copies.first()), mode);
        if (byCode)
            QCOMPARE(fileMode(m_fixture->folder() + u'/' + QFileInfo(archive).fileName()), 0664);
    }

    void offlineKeepsTheArchive()
    {
        onlineOverride() = false;
        listenInsteadOfFtp();
        openPage();
        run(1);
        QCOMPARE(shown(QStringLiteral("notice")),
                 QStringList { QStringLiteral("İnternet bağlantınızı kontrol ediniz!") });
        QCOMPARE(programZips().size(), 1);
        QCOMPARE(m_web->requests(VersionPath), 0);
        QVERIFY(!ftpContacted());
    }

    // The code the upload gives restores that very backup, also for a company name with an
    // ampersand and Turkish letters (percent-encoded on the way).
    void uploadThenRestoreByCode_data()
    {
        QTest::addColumn<QString>("company");
        QTest::newRow("plain name") << "Birinci Firma";
        QTest::newRow("ampersand and Turkish letters") << "Çelik & Oğulları A.Ş.";
    }
    void uploadThenRestoreByCode()
    {
        QFETCH(QString, company);
        state().FirmaAdi = company;
        addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
        startFtp();
        openPage();
        run(1);

        const QStringList zips = programZips();
        QCOMPARE(zips.size(), 1);
        const QString code = uploadCode(zips.first());
        QCOMPARE(shown(QStringLiteral("notice")), QStringList { codeNoticeStart() + code });
        QCOMPARE(m_web->requests(VersionPath), 1);
        QCOMPARE(QDir(serverFolder()).entryList(QDir::Files), QStringList { code + ".zip" });
        QCOMPARE(fileHash(serverFolder() + u'/' + code + ".zip"),
                 fileHash(m_fixture->folder() + u'/' + zips.first()));
        QCOMPARE(m_page->LabDurum->text(), QString());

        addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
        messageScript().answers = { AnswerYes };
        messageScript().inputs = { QStringLiteral("  ") + code + QStringLiteral(" ") };
        run(3);
        QCOMPARE(shown(QStringLiteral("notice")).last(),
                 QStringLiteral("Yedek dosyanız yüklendi... Kantarix'yi tekrar başlatınız..."));
        QCOMPARE(m_ended, 1);
        QCOMPARE(stockNames(live()), QStringList { "YEDEKTEKİ KART" });
        QVERIFY(!state().Conn->IsOpen());
        // The download is kept beside the archive of the same name, not over it.
        const QString kept = m_fixture->folder() + u'/' + code + QStringLiteral("_2.zip");
        QCOMPARE(fileHash(kept), fileHash(serverFolder() + u'/' + code + ".zip"));
        for (const QString &file : filesUnder(m_fixture->folder()))
            QVERIFY2(!file.startsWith(QStringLiteral("KXIndirme")), qPrintable(file));
    }

    // The credentials of the moment come from the version page; without them nothing goes
    // out, the error box is shown and the local archive stays.
    void uploadRefused_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("wrong password") << versionPage(User, QStringLiteral("yanlis"));
        QTest::newRow("no version page") << QByteArray();
        QTest::newRow("page without marks") << QByteArray("<html>bakımdayız</html>");
    }
    void uploadRefused()
    {
        QFETCH(QByteArray, page);
        if (page.isEmpty())
            m_web = std::make_unique<PageServer>(); // answers 404
        else
            m_web->setPage(VersionPath, page);
        qputenv("KANTARIX_WEB_HOST", m_web->host().toUtf8());
        startFtp();
        openPage();
        run(1);
        QCOMPARE(shown(QStringLiteral("notice")), QStringList { errorBoxText() });
        QCOMPARE(programZips().size(), 1);
        QCOMPARE(QDir(serverFolder()).entryList(QDir::Files), QStringList());
        QVERIFY(m_page->BYedek->isEnabled());
    }

    // A restore by code in a window where no upload ran uses the credentials that start-up
    // read; without them (start-up was offline) the server refuses and nothing changes.
    void restoreByCodeWithStartupCredentials_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("restored");
        QTest::newRow("credentials of the start-up") << Password << true;
        QTest::newRow("start-up was offline") << QString() << false;
    }
    void restoreByCodeWithStartupCredentials()
    {
        QFETCH(QString, password);
        QFETCH(bool, restored);
        addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
        const QString archive = CreateBackupArchive(live(), serverFolder(), state().FirmaAdi);
        QVERIFY(!archive.isEmpty());
        addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
        const QStringList before = stockNames(live());
        state().BackupUser = password.isEmpty() ? QString() : User;
        state().BackupPassword = password;
        startFtp();
        openPage();
        messageScript().answers = { AnswerYes };
        messageScript().inputs = { uploadCode(QFileInfo(archive).fileName()) };
        run(3);
        QCOMPARE(m_web->requests(VersionPath), 0);
        QCOMPARE(m_ended, restored ? 1 : 0);
        if (restored) {
            QCOMPARE(stockNames(live()), QStringList { "YEDEKTEKİ KART" });
        } else {
            QCOMPARE(shown(QStringLiteral("notice")), QStringList { errorBoxText() });
            QCOMPARE(stockNames(live()), before);
            QVERIFY(state().Conn->IsOpen());
        }
    }

    void unknownCode()
    {
        startFtp();
        openPage();
        const QByteArray before = fileHash(live());
        const QStringList files = filesUnder(m_fixture->folder());
        messageScript().answers = { AnswerYes };
        messageScript().inputs = { QStringLiteral("Birinci_Firma_01-01-2020_00-00-00") };
        run(3);
        QCOMPARE(shown(QStringLiteral("notice")), QStringList { errorBoxText() });
        QCOMPARE(fileHash(live()), before);
        QCOMPARE(filesUnder(m_fixture->folder()), files);
        QCOMPARE(m_ended, 0);
        QVERIFY(state().Conn->IsOpen());
    }

    // A code that an archive name cannot hold is refused before any connection is made.
    void refusedCodes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("climbing") << "../Data";
        QTest::newRow("climbing after a name") << "kod/../../Data";
        QTest::newRow("blank inside") << "AB Ltd";
        QTest::newRow("a second command") << "kod\r\nDELE Data.zip";
        QTest::newRow("only blanks") << "   ";
    }
    void refusedCodes()
    {
        QFETCH(QString, typed);
        listenInsteadOfFtp();
        openPage();
        const QByteArray before = fileHash(live());
        messageScript().answers = { AnswerYes };
        messageScript().inputs = { typed };
        run(3);
        QCOMPARE(shown(QStringLiteral("notice")), QStringList { errorBoxText() });
        QVERIFY(!ftpContacted());
        QCOMPARE(fileHash(live()), before);
        QCOMPARE(m_ended, 0);
        QVERIFY(state().Conn->IsOpen());
    }

    // Saying No, cancelling the file dialog or the code input: nothing happens at all.
    void restoreNotConfirmed_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("code");
        QTest::newRow("No to the file restore") << 2 << int(AnswerNo) << QString() << QString();
        QTest::newRow("No to the server restore") << 3 << int(AnswerNo) << QString() << QString();
        QTest::newRow("file dialog cancelled") << 2 << int(AnswerYes) << QString() << QString();
        QTest::newRow("code input cancelled")
            << 3 << int(AnswerYes) << QString() << QStringLiteral("CancelX");
    }
    void restoreNotConfirmed()
    {
        QFETCH(int, option);
        QFETCH(int, answer);
        QFETCH(QString, file);
        QFETCH(QString, code);
        listenInsteadOfFtp();
        openPage();
        const QByteArray before = fileHash(live());
        const QStringList files = filesUnder(m_fixture->folder());
        messageScript().answers = { answer };
        messageScript().files = { file };
        messageScript().inputs = { code };
        run(option);
        QCOMPARE(shown(QStringLiteral("question")).size(), 1);
        QVERIFY(shown(QStringLiteral("question"))
                    .first()
                    .endsWith(QStringLiteral("!\r\n\r\nDevam etmek istediğinize emin misiniz?")));
        QCOMPARE(shown(QStringLiteral("notice")), QStringList());
        QCOMPARE(shown(QStringLiteral("popup")), QStringList());
        QCOMPARE(fileHash(live()), before);
        QCOMPARE(filesUnder(m_fixture->folder()), files);
        QCOMPARE(m_ended, 0);
        QVERIFY(state().Conn->IsOpen());
        QVERIFY(!ftpContacted());
    }

    void restoreFromChosenFile_data()
    {
        QTest::addColumn<bool>("sound");
        QTest::newRow("a backup") << true;
        QTest::newRow("not a backup") << false;
    }
    void restoreFromChosenFile()
    {
        QFETCH(bool, sound);
        addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
        const QString archive = sound
            ? CreateBackupArchive(live(), m_outside->path(), state().FirmaAdi)
            : m_outside->filePath(QStringLiteral("notlar.zip"));
        if (!sound) {
            QFile text(archive);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not");
        }
        addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
        const QStringList before = stockNames(live());
        openPage();
        messageScript().answers = { AnswerYes };
        messageScript().files = { archive };
        run(2);
        const MessageRecord file = messageScript().shown.at(1);
        QCOMPARE(file.kind, QStringLiteral("file"));
        QCOMPARE(file.title, QStringLiteral("Yedek dosyanızı seçiniz..."));
        QCOMPARE(file.text, QStringLiteral("Arşiv Dosyaları (*.zip)|*.zip"));
        if (sound) {
            QCOMPARE(m_ended, 1);
            QCOMPARE(stockNames(live()), QStringList { "YEDEKTEKİ KART" });
        } else {
            QCOMPARE(m_ended, 0);
            QCOMPARE(shown(QStringLiteral("popup")),
                     QStringList { restoreRefusedMessage(RestoreResult::InvalidArchive) });
            QCOMPARE(stockNames(live()), before);
            QVERIFY(state().Conn->IsOpen());
        }
    }

    // A server that dies in the middle of a large upload: a failure, no code, nothing under the
    // final name. While the transfer runs the window stays, answers and cannot be closed.
    void serverKilledDuringUpload()
    {
        // Random bytes do not compress: the archive stays large.
        state().Conn->Execute(QStringLiteral("create table dolgu (veri blob)"));
        state().Conn->Execute(QStringLiteral("insert into dolgu values (randomblob(3000000))"));
        startFtp(256 * 1024);
        openPage();
        bool sawProgress = false;
        bool buttonsDisabled = false;
        bool stayedOpen = false;
        QString status;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (sawProgress || !m_page->LabDurum->text().contains(QStringLiteral("(%")))
                return;
            sawProgress = true;
            status = m_page->LabDurum->text();
            buttonsDisabled = !m_page->BYedek->isEnabled() && !m_window->BKaydet->isEnabled();
            m_window->close();
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
            m_window->BKaydet_Click();
            stayedOpen = m_window->isVisible() && m_page->transferRunning();
            m_ftp->kill();
        });
        watch.start(20);
        run(1);
        watch.stop();

        QVERIFY(sawProgress);
        QVERIFY2(status.startsWith(QStringLiteral("Yedek dosyanız gönderiliyor, bekleyiniz... (%")),
                 qPrintable(status));
        QVERIFY(buttonsDisabled);
        QVERIFY(stayedOpen);
        QCOMPARE(shown(QStringLiteral("popup")), QStringList());
        QCOMPARE(shown(QStringLiteral("notice")), QStringList { errorBoxText() });
        const QString name = programZips().value(0);
        QVERIFY(!name.isEmpty());
        QVERIFY(!QFileInfo::exists(serverFolder() + u'/' + name));
        const QFileInfo partial(serverFolder() + u'/' + name + QStringLiteral(".part"));
        QVERIFY(partial.exists());
        QVERIFY(partial.size() < QFileInfo(m_fixture->folder() + u'/' + name).size());
        QVERIFY(m_page->BYedek->isEnabled());
        QVERIFY(m_window->BKaydet->isEnabled());
        QCOMPARE(m_page->LabDurum->text(), QString());
        // The window closes again once the transfer is over.
        QVERIFY(m_window->close());
    }

    // The window going away in the middle of a transfer stops the transfer; nothing reaches
    // the destroyed page afterwards.
    void pageDestroyedDuringUpload()
    {
        state().Conn->Execute(QStringLiteral("create table dolgu (veri blob)"));
        state().Conn->Execute(QStringLiteral("insert into dolgu values (randomblob(3000000))"));
        startFtp(128 * 1024);
        openPage();
        QPointer<BackupPage> page(m_page);
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (page && page->LabDurum->text().contains(QStringLiteral("(%")))
                m_window.reset();
        });
        watch.start(20);
        m_page->Option1[1]->setChecked(true);
        m_page->BYedek_Click();
        watch.stop();
        QVERIFY(!page);
        // Progress the worker had sent on its way is dropped, not delivered.
        QTest::qWait(300);
        QCOMPARE(shown(QStringLiteral("notice")), QStringList());
        const QString name = programZips().value(0);
        QVERIFY(!QFileInfo::exists(serverFolder() + u'/' + name));
    }
};

// The end after a restore, in a child process that runs the real main window and its settings
// command: the main loop is left, the main window is never closed (so its exit backup does not
// run), the connections are closed and the next start finds the archive's data.
class TestRestoreEnd : public QObject
{
    Q_OBJECT

private slots:
    void programEndsAfterRestore()
    {
        if (qEnvironmentVariableIsSet("KX_RESTORE_CHILD")) {
            runChild();
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KX_RESTORE_CHILD"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    { QStringLiteral("TestRestoreEnd"), QStringLiteral("-silent") });
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAllStandardOutput();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
        QVERIFY2(output.contains("main loop left with 0\n"), output.constData());
        QVERIFY2(output.contains("main window still open\n"), output.constData());
        QVERIFY2(output.contains("connection closed\n"), output.constData());
        QVERIFY2(output.contains("data: YEDEKTEKİ KART\n"), output.constData());
    }

private:
    void runChild()
    {
        int code = 5;
        {
            EventsWindow events;
            addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
            const QString archive
                = CreateBackupArchive(databasePath(), programFolder(), state().FirmaAdi);
            addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
            installBackupPage();
            FMain &window = events.start();
            messageScript().answers = { AnswerYes };
            messageScript().files = { archive };

            // The settings command opens the window; on its backup page the file restore runs.
            QTimer::singleShot(0, &window, [&window] {
                QTimer::singleShot(0, [] {
                    auto *settings = qobject_cast<FAyar *>(state().FAyar.data());
                    auto *page = settings ? settings->findChild<BackupPage *>() : nullptr;
                    if (!page)
                        return;
                    settings->Tab1->setCurrentIndex(2);
                    page->Option1[2]->setChecked(true);
                    QTest::mouseClick(page->BYedek, Qt::LeftButton);
                });
                window.CMBar_Execute(108);
            });
            const int loop = QApplication::exec();
            std::printf("main loop left with %d\n", loop);
            std::printf("main window %s\n", window.isVisible() ? "still open" : "closed");
            std::printf("connection %s\n", state().Conn->IsOpen() ? "open" : "closed");
            std::printf("data: %s\n", stockNames(databasePath()).join(u',').toUtf8().constData());
            code = loop;
        }
        std::fflush(stdout);
        std::_Exit(code);
    }
};

KX_TEST(TestBackupPage)
KX_TEST(TestRestoreEnd)
#include "tst_backup_page.moc"
