// The four operations that make and place files, run as a user starts them in a child process
// with a shim preloaded: a backup on the page, the backup on exit, a restore from a file, and a
// restore by code from a real FTP server on 127.0.0.1.
#pragma once

#include "core/auto_backup.h"
#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "settings/backup.h"
#include "settings/backup_page.h"
#include "settings/settings_window.h"
#include "tests/support/builders.h"
#include "tests/support/child_process.h"
#include "tests/support/fixture.h"
#include "tests/support/ftp_server.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace kxtest {

inline const QString BackupOperationUser = QStringLiteral("yedekci");
inline const QString BackupOperationPassword = QStringLiteral("s1fre");

// The parent's part. The program folder of a fixture holds a company with a card that the
// archive to restore holds and one made after it; outside holds the drive "usb" with its
// "Yedekler" folder and the server's "ftp/KXUserFiles". The archive lies on the drive, or on
// the server for a restore by code, whose server then runs. Conn is closed for the child.
struct BackupOperation
{
    QString operation;
    QString program;
    QString drive;
    QString backupFolder;
    QString serverFolder;
    QString archive;
    std::unique_ptr<FtpServer> server;

    // Fails the running test when something cannot be made.
    void prepare(const QString &name, const Fixture &fixture, const QString &outside)
    {
        operation = name;
        program = fixture.folder();
        drive = outside + QStringLiteral("/usb");
        backupFolder = drive + QStringLiteral("/Yedekler");
        serverFolder = outside + QStringLiteral("/ftp/KXUserFiles");
        QVERIFY(QDir().mkpath(backupFolder) && QDir().mkpath(serverFolder));
        addStock(QStringLiteral("1001"), QStringLiteral("YEDEKTEKİ KART"));
        const bool byCode = operation == QLatin1String("restore by code");
        archive = kx::CreateBackupArchive(fixture.databasePath(), byCode ? serverFolder : drive,
                                          kx::state().FirmaAdi);
        QVERIFY(!archive.isEmpty());
        addStock(QStringLiteral("1002"), QStringLiteral("SONRAKİ KART"));
        kx::state().Conn->Close();
        if (byCode) {
            server = std::make_unique<FtpServer>(outside + QStringLiteral("/ftp"),
                                                 BackupOperationUser, BackupOperationPassword);
            QVERIFY(server->isRunning());
        }
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("KX_OPERATION"), operation);
        environment.insert(QStringLiteral("KANTARIX_DIR"), program);
        environment.insert(QStringLiteral("KX_DRIVE"), drive);
        environment.insert(QStringLiteral("KX_ARCHIVE"), archive);
        if (server)
            environment.insert(QStringLiteral("KANTARIX_FTP_HOST"), server->host());
        return environment;
    }
};

// A logged-in company in a temporary program folder, and the operation prepared around it in
// folders of its own.
struct BackupScene
{
    Fixture fixture;
    QTemporaryDir outside;
    BackupOperation operation;

    // False, with the running test failed, when something cannot be made.
    bool prepare(const QString &name)
    {
        fixture.login(1);
        operation.prepare(name, fixture, outside.path());
        return !QTest::currentTestFailed();
    }
};

// The child's part: the operation its parent prepared, on the program folder it made. Prints
// "done: " and, for the backup on exit, "written" or "failed", else the start of the last
// message's first line; then "message: " and the last message whole (one line). Returns with
// the child still running; the caller ends it.
inline void runBackupOperation()
{
    using namespace kx;
    const QString operation = qEnvironmentVariable("KX_OPERATION");
    Fixture fixture(qEnvironmentVariable("KANTARIX_DIR"));
    fixture.login(1);
    fixture.loadLists();
    const auto lastMessage = [] {
        const QList<MessageRecord> shown = messageScript().shown;
        return shown.isEmpty() ? QString() : shown.last().text;
    };
    QString done;
    if (operation == QLatin1String("backup on exit")) {
        const QList<Volume> volumes { { qEnvironmentVariable("KX_DRIVE"),
                                        QStringLiteral("KANTARIX") } };
        const bool written = RunAutoBackup(databasePath(), volumes) == AutoBackupResult::Written;
        done = written ? QStringLiteral("written") : QStringLiteral("failed");
    } else {
        state().MainComputer = true;
        state().BackupUser = BackupOperationUser;
        state().BackupPassword = BackupOperationPassword;
        installBackupPage();
        FAyar window;
        auto *page = window.findChild<BackupPage *>();
        page->endProgram = [] {};
        window.Tab1->setCurrentIndex(2);
        window.show();
        messageScript().answers = { AnswerYes };
        messageScript().files = { qEnvironmentVariable("KX_ARCHIVE") };
        messageScript().inputs
            = { uploadCode(QFileInfo(qEnvironmentVariable("KX_ARCHIVE")).fileName()) };
        const int option = operation == QLatin1String("backup on the page") ? 0
            : operation == QLatin1String("restore from a file")             ? 2
                                                                            : 3;
        QRadioButton *choice = page->Option1[option];
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
        QTest::mouseClick(page->BYedek, Qt::LeftButton);
        done = lastMessage();
    }
    std::printf("done: %s\n", done.toUtf8().constData());
    std::printf(
        "message: %s\n",
        lastMessage().replace(QStringLiteral("\r\n"), QStringLiteral(" ")).toUtf8().constData());
}

} // namespace kxtest
