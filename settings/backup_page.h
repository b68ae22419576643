// The "Yedekleme" page of the settings window: back up, upload, restore from a file or a code.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

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

    // While true the settings window may be neither closed nor saved.
    bool transferRunning() const { return m_transferRunning; }

    // What ends the program after a restore; tests put a recorder in its place.
    std::function<void()> endProgram;

signals:
    void transferRunningChanged(bool running);

private:
    int chosenOption() const;
    void backUp(bool upload);
    void restore(bool fromServer);
    // Runs one transfer with its status caption; TransferDone tells whether it completed.
    void transfer(const QString &caption, const std::function<bool()> &run);
    // Fetches the code's archive into a new file of the program folder; its path, or empty.
    QString download(const QString &code);
    void setTransferRunning(bool running);

    bool m_transferRunning = false;
};

// Makes the settings window build this page on its "Yedekleme" tab, holding the window open
// and unsaved while a transfer runs. The program calls it once at start.
void installBackupPage();

} // namespace kx
