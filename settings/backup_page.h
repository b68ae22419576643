// The "Yedekleme" page of the settings window: back up, upload, restore from a file or a code.
#pragma once

#include "platform/worker_thread.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace kx {

class FtpClient;

// "Yedek dosyanız gönderiliyor, bekleyiniz... (%33,3)": the base text and the part done in
// percent, Turkish notation; the base text alone while the total is unknown (0).
QString transferStatusText(const QString &base, qint64 done, qint64 total);

class BackupPage : public QWidget
{
    Q_OBJECT

public:
    // Gives the FTP client the backup server and the credentials that start-up read.
    explicit BackupPage(QWidget *parent = nullptr);

    std::array<QRadioButton *, 4> Option1 {};
    QPushButton *BYedek = nullptr;
    QLabel *LabDurum = nullptr;
    QLabel *LabInfo1 = nullptr;
    QLabel *LabInfo2 = nullptr;
    FtpClient *UDLoad = nullptr;
    // 1 after the last transfer completed, 0 from its start until then.
    int TransferDone = 0;

    // Runs the chosen option.
    void BYedek_Click();
    // The error box of a transfer that did not complete or could not start.
    void UDLoad_Error();
    void UDLoad_ReceiveProgress(qint64 total, qint64 received);
    void UDLoad_SendProgress(qint64 sent, qint64 total);

    // While true (a transfer, or an archive being made) the settings window may be neither
    // closed nor saved.
    bool transferRunning() const { return m_transferRunning; }

    // What ends the program after a restore; tests put a recorder in its place.
    std::function<void()> endProgram;

signals:
    void transferRunningChanged(bool running);

private:
    int chosenOption() const;
    void backUp(bool upload);
    void restore(bool fromServer);
    // Shows caption and holds the page and its window in the running state while run works,
    // then clears both; run's answer, or none when the page was destroyed meanwhile.
    std::optional<bool> whileRunning(const QString &caption, const std::function<bool()> &run);
    // Runs one transfer with its status caption; TransferDone tells whether it completed.
    void transfer(const QString &caption, const std::function<bool()> &run);
    // Makes a new archive of the database in the program folder, in the worker; its path, or
    // empty (and *gone true when the page was destroyed meanwhile).
    QString makeArchive(bool *gone);
    // Fetches the code's archive into a new file of the program folder; its path, or empty.
    QString download(const QString &code);
    void setTransferRunning(bool running);

    bool m_transferRunning = false;
    // The archive is made here; destroying the page waits for it.
    WorkerThread m_worker;
};

// Makes the settings window build this page on its "Yedekleme" tab, holding the window open
// and unsaved while a transfer runs. The program calls it once at start.
void installBackupPage();

} // namespace kx
