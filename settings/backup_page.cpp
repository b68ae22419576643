// The backup page: its controls, the button's handler and the transfer's progress.
#include "settings/backup_page.h"

#include "core/auto_backup.h"
#include "core/conversions.h"
#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/ftp_client.h"
#include "settings/backup.h"
#include "settings/settings_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace kx {

namespace {

const QString SendingText = QStringLiteral("Yedek dosyanız gönderiliyor, bekleyiniz...");
const QString ReceivingText = QStringLiteral("Yedek dosyanız yükleniyor, bekleyiniz...");
const QString CreatingText = QStringLiteral("Yedek dosyanız oluşturuluyor, bekleyiniz...");

} // namespace

QString transferStatusText(const QString &base, qint64 done, qint64 total)
{
    if (total <= 0)
        return base;
    const double percent = double(done) * 100.0 / double(total);
    return base + QStringLiteral(" (%") + FormatNumber(percent, QStringLiteral("#,##0.0")) + u')';
}

BackupPage::BackupPage(QWidget *parent)
    : QWidget(parent)
    , endProgram(EndAfterRestore)
{
    setObjectName(QStringLiteral("BackupPage"));
    LabInfo1 = new QLabel(QStringLiteral("        Yedekleme sayesinde tüm kayıt ve ayarlarınızın "
                                         "bir kopyasını oluşturarak bu bilgilerinizi istediğiniz "
                                         "zaman geri yükleyebilirsiniz."),
                          this);
    LabInfo2 = new QLabel(QStringLiteral("        Sunucuda saklanan bilgilerinizi tekrar "
                                         "yükleyebilmeniz için size saklamanız gereken bir "
                                         "yükleme kodu iletilecektir."),
                          this);
    for (QLabel *label : { LabInfo1, LabInfo2 })
        label->setWordWrap(true);

    const QStringList captions = {
        QStringLiteral("1) Yedek dosyası oluştur ve bilgisayarımda sakla"),
        QStringLiteral("2) Yedek dosyası oluştur ve internet ortamında sakla"),
        QStringLiteral("3) Mevcut yedek dosyasını bilgisayarımdan yükleyerek aktif hale getir"),
        QStringLiteral("4) Mevcut yedek dosyasını internet ortamından yükleyerek aktif hale getir"),
    };
    auto *choices = new QGroupBox(this);
    auto *choiceLayout = new QVBoxLayout(choices);
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton(captions.at(i), choices);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        choiceLayout->addWidget(Option1[i]);
    }
    Option1[0]->setChecked(true);

    BYedek = new QPushButton(QStringLiteral("Uygula"), this);
    BYedek->setObjectName(QStringLiteral("BYedek"));
    BYedek->setMinimumWidth(120);
    LabDurum = new QLabel(this);
    LabDurum->setObjectName(QStringLiteral("LabDurum"));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(LabDurum, 1);
    buttonRow->addWidget(BYedek);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabInfo1);
    layout->addWidget(LabInfo2);
    layout->addSpacing(8);
    layout->addWidget(choices);
    layout->addLayout(buttonRow);
    layout->addStretch(1);

    UDLoad = new FtpClient(this);
    UDLoad->setServer(ftpHost());
    UDLoad->FtpUser(state().BackupUser);
    UDLoad->FtpPassword(state().BackupPassword);
    connect(UDLoad, &FtpClient::SendProgress, this, &BackupPage::UDLoad_SendProgress);
    connect(UDLoad, &FtpClient::ReceiveProgress, this, &BackupPage::UDLoad_ReceiveProgress);
    connect(BYedek, &QPushButton::clicked, this, &BackupPage::BYedek_Click);
}

int BackupPage::chosenOption() const
{
    for (int i = 0; i < 4; ++i) {
        if (Option1[i]->isChecked())
            return i;
    }
    return -1;
}

void BackupPage::BYedek_Click()
{
    if (m_transferRunning)
        return;
    switch (chosenOption()) {
    case 0:
        backUp(false);
        break;
    case 1:
        backUp(true);
        break;
    case 2:
        restore(false);
        break;
    case 3:
        restore(true);
        break;
    default:
        break;
    }
}

void BackupPage::backUp(bool upload)
{
    ModuleState &s = state();
    bool gone = false;
    const QString archive = makeArchive(&gone);
    if (gone)
        return;
    if (archive.isEmpty()) {
        ShowSystemMessage(QStringLiteral("Yedek dosyası oluşturulamadı!"), IconError);
        return;
    }
    if (!upload) {
        ShowNotice(QStringLiteral("Yedek dosyanız oluşturuldu...\r\nDosya adresi : ")
                       + QDir::toNativeSeparators(archive),
                   QStringLiteral("Yedekleme"));
        s.MsgResult = 1;
        return;
    }
    if (!IsOnline()) {
        ShowNotice(QStringLiteral("İnternet bağlantınızı kontrol ediniz!"));
        s.MsgResult = 1;
        return;
    }
    // The credentials of the moment, from the version page read again.
    const auto marks
        = parseBackupCredentials(fetchPage(hostUrl(webHost(), QStringLiteral("/kx3/kxver.html"))));
    if (!marks) {
        UDLoad_Error();
        return;
    }
    UDLoad->FtpUser(marks->user);
    UDLoad->FtpPassword(marks->password);
    const QString name = QFileInfo(archive).fileName();
    QPointer<BackupPage> self(this);
    transfer(SendingText, [this, &name, &archive] {
        return UDLoad->FtpUpload(BackupServerFolder, name, archive);
    });
    if (!self)
        return;
    if (TransferDone != 1) {
        UDLoad_Error();
        return;
    }
    ShowNotice(QStringLiteral("Yedekleme dosyanız sunucuya gönderildi...\r\nBu dosyanın yükleme "
                              "kodu : ")
               + uploadCode(name));
    s.MsgResult = 1;
}

void BackupPage::restore(bool fromServer)
{
    ModuleState &s = state();
    if (!AskYesNo(QStringLiteral("Yedekleme işlemi şu anda kullandığınız tüm ayar ve bilgileri "
                                 "silecek, yerine seçtiğiniz arşiv dosyası içeriğiniz "
                                 "yükleyecektir!\r\n\r\nDevam etmek istediğinize emin misiniz?")))
        return;
    QString archive;
    if (!fromServer) {
        // The backups of this page are made in the program folder: the dialog starts there.
        archive
            = ShowOpenFileDialog(QStringLiteral("Yedek dosyanızı seçiniz..."),
                                 QStringLiteral("Arşiv Dosyaları (*.zip)|*.zip"), programFolder());
        if (archive.isEmpty())
            return;
    } else {
        ShowInputBox(QStringLiteral("Yükleme kodunu giriniz"),
                     QStringLiteral("Daha önce sunucuya göndermiş olduğunuz yedek dosyasının "
                                    "yükleme kodunu giriniz..."),
                     QString());
        if (s.InputResult == QLatin1String("CancelX"))
            return;
        // Only what an archive name can hold goes into a server path.
        const QString code = cleanUploadCode(s.InputResult);
        if (code.isEmpty()) {
            UDLoad_Error();
            return;
        }
        QPointer<BackupPage> self(this);
        archive = download(code);
        if (!self)
            return;
        if (archive.isEmpty()) {
            UDLoad_Error();
            return;
        }
    }

    const RestoreResult result = RestoreDatabase(archive);
    if (result != RestoreResult::Restored) {
        ShowSystemMessage(restoreRefusedMessage(result), IconError);
        return;
    }
    ShowNotice(QStringLiteral("Yedek dosyanız yüklendi... Kantarix'yi tekrar başlatınız..."));
    s.MsgResult = 1;
    if (endProgram)
        endProgram();
}

QString BackupPage::makeArchive(bool *gone)
{
    // A snapshot of its own: the program's connection stays open and untouched. What the
    // worker needs is read here, on the window's thread.
    const QString database = databasePath();
    const QString folder = programFolder();
    const QString company = state().FirmaAdi;
    QString archive;
    const std::optional<bool> made = whileRunning(CreatingText, [&] {
        return m_worker.run([&] { archive = CreateBackupArchive(database, folder, company); });
    });
    *gone = !made;
    return made && *made ? archive : QString();
}

QString BackupPage::download(const QString &code)
{
    // A new file of its own: nothing that stands in the folder is written over. Only its name
    // is taken here; the download makes the file, so that it gets the folder's usual mode for a
    // new file and not a temporary file's owner-only one.
    QTemporaryFile partial(QDir(programFolder()).filePath(DownloadFileTemplate));
    if (!partial.open())
        return {};
    partial.close();
    QFile::remove(partial.fileName());
    const QString remote = code + QStringLiteral(".zip");
    const QString target = partial.fileName();
    QPointer<BackupPage> self(this);
    transfer(ReceivingText, [this, &remote, &target] {
        return UDLoad->FtpDownload(BackupServerFolder, remote, target);
    });
    if (!self || TransferDone != 1)
        return {};
    // Kept in the program folder under its code, beside any archive of the same name.
    const QDir folder(programFolder());
    const QString kept = placeUnderFreeName(
        partial.fileName(),
        [&](int sequence) {
            return folder.filePath(sequence > 1 ? code + QStringLiteral("_%1.zip").arg(sequence)
                                                : remote);
        },
        1);
    if (!kept.isEmpty())
        partial.setAutoRemove(false);
    return kept;
}

std::optional<bool> BackupPage::whileRunning(const QString &caption,
                                             const std::function<bool()> &run)
{
    LabDurum->setText(caption);
    setTransferRunning(true);
    QPointer<BackupPage> self(this);
    const bool done = run();
    if (!self)
        return std::nullopt;
    setTransferRunning(false);
    LabDurum->clear();
    return done;
}

void BackupPage::transfer(const QString &caption, const std::function<bool()> &run)
{
    state().StatusBase = caption;
    TransferDone = 0;
    // Complete only when the server confirmed it, not when some progress came.
    if (const std::optional<bool> done = whileRunning(caption, run))
        TransferDone = *done ? 1 : 0;
}

void BackupPage::setTransferRunning(bool running)
{
    m_transferRunning = running;
    BYedek->setEnabled(!running);
    emit transferRunningChanged(running);
}

void installBackupPage()
{
    FAyar::setBackupPageBuilder([](FAyar &window, QWidget *page) {
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *backup = new BackupPage(page);
        layout->addWidget(backup);
        // The window is neither closed nor saved while a transfer runs.
        QObject::connect(backup, &BackupPage::transferRunningChanged, &window,
                         &FAyar::setTransferRunning);
    });
}

void BackupPage::UDLoad_Error()
{
    ShowNotice(QStringLiteral("Hata oluştu!\r\nMuhtemel sebepler;\r\n*)Sunucudan yedek dosyanızı "
                              "almak için hatalı indirme kodu girdiniz,\r\n*)İnternet "
                              "bağlantınızda problem var..."));
    state().MsgResult = 1;
}

void BackupPage::UDLoad_ReceiveProgress(qint64 total, qint64 received)
{
    LabDurum->setText(transferStatusText(state().StatusBase, received, total));
}

void BackupPage::UDLoad_SendProgress(qint64 sent, qint64 total)
{
    LabDurum->setText(transferStatusText(state().StatusBase, sent, total));
}

} // namespace kx
