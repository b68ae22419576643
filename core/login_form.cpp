// The login window FGiris: the company list, the password check and the company settings page.
#include "core/login_form.h"

#include "core/conversions.h"
#include "core/database.h"
#include "core/messages.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/focus.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <cmath>

namespace kx {

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int KeyUp = 38;
constexpr int KeyDown = 40;
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

const QString MoneyFormat = QStringLiteral("#,##0.00");

// A rate as the settings hold it ("18") is its list position; a rate that is no whole number
// from 0 to 50 has none (-1).
int rateIndex(const QString &text)
{
    const double value = numberValue(text);
    return value >= 0 && value <= 50 && value == std::floor(value) ? int(value) : -1;
}

const QStringList DecimalFormats = {
    QStringLiteral("#,##0.00"),
    QStringLiteral("#,##0.000"),
    QStringLiteral("#,##0.0000"),
    QStringLiteral("#,##0.00000"),
};

int keyCodeOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Down:
        return KeyDown;
    default:
        return event->key();
    }
}

int shiftStateOf(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0)
        | (modifiers & Qt::ControlModifier ? CtrlMask : 0)
        | (modifiers & Qt::AltModifier ? AltMask : 0);
}

// The character a key types; Enter with Ctrl types a line feed, not a carriage return.
int keyAsciiOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return event->modifiers() & Qt::ControlModifier ? 10 : KeyEnter;
    case Qt::Key_Escape:
        return KeyEscape;
    default:
        return event->text().isEmpty() ? 0 : event->text().at(0).unicode();
    }
}

QPixmap settingsBackground()
{
    QPixmap picture(twipsSize(7800, 3300));
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
    gradient.setColorAt(1, QColor(0xd6, 0xde, 0xea));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

QLabel *linkLabel(const QString &caption, QWidget *parent)
{
    auto *label
        = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(false);
    return label;
}

} // namespace

// The same addresses as the main window's help command and the about window, on the
// program's web host.
QString FGiris::productAddress()
{
    return hostUrl(webHost(), QStringLiteral("/"));
}

QString FGiris::helpAddress()
{
    return kx::helpAddress();
}

QString FGiris::contactMail()
{
    return QStringLiteral("iletisim@kantarix.com");
}

QString FGiris::makerAddress()
{
    return hostUrl(webHost(), QStringLiteral("/hakkimizda.asp"));
}

FGiris::FGiris(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(twipsSize(7800, 3300));
    showFocusAlways(this);
    setFont(uiFont());
    state().FGiris = this;

    TabX = new QTabWidget(this);
    TabX->setGeometry(rect());
    TabX->setDocumentMode(true);
    TabX->tabBar()->hide();
    buildLoginPage();
    buildSettingsPage();
    TabX->addTab(Picture1, QStringLiteral("Giriş"));
    TabX->addTab(Picture2, QStringLiteral("Firma"));

    // The window sees every key before its fields do.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    Form_Load();
}

void FGiris::buildLoginPage()
{
    Picture1 = new QWidget;
    Label1 = new QLabel(QStringLiteral("Firma -"), Picture1);
    Label1->setGeometry(twipsRect(360, 480, 1200, 330));
    Combo = new QComboBox(Picture1);
    Combo->setGeometry(twipsRect(1620, 465, 5700, 360));
    Label2 = new QLabel(QStringLiteral("Şifre --"), Picture1);
    Label2->setGeometry(twipsRect(360, 990, 1200, 330));
    Text = new QLineEdit(Picture1);
    Text->setGeometry(twipsRect(1620, 975, 5700, 360));
    Text->setEchoMode(QLineEdit::Password);

    LabVer = new QLabel(QStringLiteral("Sürüm : ") + QStringLiteral(KANTARIX_VERSION), Picture1);
    LabVer->setGeometry(twipsRect(360, 1740, 3000, 300));
    LinkHELP = linkLabel(QStringLiteral("YARDIM?"), Picture1);
    LinkHELP->setGeometry(twipsRect(6120, 1740, 1200, 300));
    LinkHELP->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LinkINFO = linkLabel(contactMail(), Picture1);
    LinkINFO->setGeometry(twipsRect(360, 2220, 3300, 300));
    const QUrl maker(makerAddress());
    LinkMAKER = linkLabel(maker.host() + maker.path(), Picture1);
    LinkMAKER->setGeometry(twipsRect(4320, 2220, 3000, 300));
    LinkMAKER->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LinkKX = linkLabel(QUrl(productAddress()).host(), Picture1);
    LinkKX->setGeometry(twipsRect(360, 2580, 3300, 300));

    connect(LinkHELP, &QLabel::linkActivated, this, &FGiris::LinkHELP_Click);
    connect(LinkINFO, &QLabel::linkActivated, this, &FGiris::LinkINFO_Click);
    connect(LinkMAKER, &QLabel::linkActivated, this, &FGiris::LinkMAKER_Click);
    connect(LinkKX, &QLabel::linkActivated, this, &FGiris::LinkKX_Click);
}

void FGiris::buildSettingsPage()
{
    Picture2 = new QWidget;
    const QStringList captions = {
        QStringLiteral("Firma Adı ------"), QStringLiteral("Şifre ------------"),
        QStringLiteral("Kasa Bakiye -"),    QStringLiteral("Açılış Tarihi --"),
        QStringLiteral("Kdv Oranları -"),   QStringLiteral("Basamak ------"),
    };
    for (int i = 0; i < int(LabeL.size()); ++i) {
        LabeL[i] = new QLabel(captions[i], Picture2);
        LabeL[i]->setGeometry(twipsRect(240, 255 + i * 465, 1440, 330));
    }
    for (int i = 0; i < int(Text1.size()); ++i) {
        Text1[i] = new QLineEdit(Picture2);
        Text1[i]->setGeometry(twipsRect(1740, 240 + i * 465, 5820, 360));
        selectAllOnFocus(Text1[i], [this, i] { Text1_GotFocus(i); });
    }
    Date1 = new DateField(Picture2);
    Date1->setGeometry(twipsRect(1740, 240 + 3 * 465, 1800, 360));
    for (int i = 0; i < 3; ++i) {
        Combo1[i] = new QComboBox(Picture2);
        Combo1[i]->setGeometry(twipsRect(1740 + i * 1200, 240 + 4 * 465, 1110, 360));
        Combo1[i]->setMaxVisibleItems(12);
    }
    Combo1[3] = new QComboBox(Picture2);
    Combo1[3]->setGeometry(twipsRect(1740, 240 + 5 * 465, 5820, 360));

    Picture3 = new QLabel(this);
    Picture3->setPixmap(settingsBackground());
    Picture3->hide();

    setTabOrder(Text1[0], Text1[1]);
    setTabOrder(Text1[1], Text1[2]);
    setTabOrder(Text1[2], Date1);
    setTabOrder(Date1, Combo1[0]);
    setTabOrder(Combo1[0], Combo1[1]);
    setTabOrder(Combo1[1], Combo1[2]);
    setTabOrder(Combo1[2], Combo1[3]);
}

void FGiris::Form_Load()
{
    ModuleState &s = state();
    CreateDatabaseObjects();
    s.Rs2->Open(QStringLiteral("select * from firmalar order by id"), *s.Conn);
    s.FirmaRows = s.Rs2->GetRows();
    s.Rs2->Close();

    // Record 0, the row with id 1, is not a company.
    for (int record = 1; record < s.FirmaRows.recordCount(); ++record)
        Combo->addItem(s.FirmaRows.text(1, record));
    Combo->setCurrentIndex(Combo->count() > 0 ? 0 : -1);

    for (int i = 0; i < 3; ++i) {
        for (int rate = 0; rate <= 50; ++rate)
            Combo1[i]->addItem(QStringLiteral("%") + QString::number(rate));
    }
    Combo1[3]->addItems({
        QStringLiteral("Kuruş hanesinde virgülden sonra 2 basamak - ##,##"),
        QStringLiteral("Kuruş hanesinde virgülden sonra 3 basamak - ##,###"),
        QStringLiteral("Kuruş hanesinde virgülden sonra 4 basamak - ##,####"),
        QStringLiteral("Kuruş hanesinde virgülden sonra 5 basamak - ##,#####"),
    });

    TabX->setCurrentIndex(0);
    Text->setFocus();
}

void FGiris::Form_KeyDown(int &KeyCode, int Shift)
{
    if (KeyCode == KeyEscape && TabX->currentIndex() == 1) {
        KeyCode = 0;
        unloadByCode();
        return;
    }
    if (KeyCode != KeyEnter)
        return;

    if (TabX->currentIndex() == 1) {
        if (Shift == CtrlMask) {
            KeyCode = 0;
            saveSettings();
        }
        return;
    }

    KeyCode = 0;
    ModuleState &s = state();
    const int p = Combo->currentIndex();
    // With no company in the list there is nothing to log into (record 0 is not a company).
    if (p < 0)
        return;
    const int r = p + 1;
    if (Text->text() != s.FirmaRows.text(2, r)) {
        ShowSystemMessage(
            QStringLiteral("Hatalı şifre girişi yaptınız! Lütfen tekrar deneyiniz..."), IconError);
        Text->clear();
        Text->setFocus();
        return;
    }

    ChooseCompany(p);

    if (Shift != CtrlMask) {
        unloadByCode();
        return;
    }
    openSettingsPage();
}

void ChooseCompany(int position)
{
    ModuleState &s = state();
    const int r = position + 1;
    s.WorkDate = s.FirmaRows.value(4, r);
    s.KasaAmount = ParseAmount(s.FirmaRows.value(3, r)).toDouble();
    const CompanyTables tables = companyTables(position);
    s.TblStok = tables.stock;
    s.TblCari = tables.accounts;
    s.TblBelge = tables.documents;
    s.TblCek = tables.cheques;
    s.TblAyar = tables.settings;
    s.FirmaAdi = s.FirmaRows.text(1, r);
    s.FirmaParola = s.FirmaRows.text(2, r);
    s.FirmaId = position + 2;
}

void FGiris::openSettingsPage()
{
    ModuleState &s = state();
    Text1[0]->setText(s.FirmaAdi);
    Text1[1]->setText(s.FirmaParola);

    s.Rs2->Open(QStringLiteral("select * from ") + sqlTable(s.TblAyar)
                    + QStringLiteral(" where id=?"),
                *s.Conn, { AyarGenel::Id });
    if (!s.Rs2->Eof()) {
        for (int i = 0; i < 3; ++i) {
            m_storedRates[i] = s.Rs2->Fields(settingColumnName(AyarGenel::VatRate1 + i)).toString();
            Combo1[i]->setCurrentIndex(rateIndex(m_storedRates[i]));
        }
        const int decimals = DecimalFormats.indexOf(
            s.Rs2->Fields(settingColumnName(AyarGenel::PriceFormat)).toString());
        if (decimals >= 0)
            Combo1[3]->setCurrentIndex(decimals);
    }
    s.Rs2->Close();

    Text1[2]->setText(FormatNumber(s.KasaAmount, MoneyFormat));
    Date1->setDateText(DateKeyToText(s.WorkDate));
    TabX->setCurrentIndex(1);
    Picture2->setAutoFillBackground(true);
    QPalette background = Picture2->palette();
    background.setBrush(QPalette::Window, QBrush(Picture3->pixmap()));
    Picture2->setPalette(background);
    Text1[0]->setFocus(Qt::TabFocusReason);
}

void FGiris::saveSettings()
{
    ModuleState &s = state();
    const int decimals = Combo1[3]->currentIndex();
    const QString format
        = decimals >= 0 && decimals < DecimalFormats.size() ? DecimalFormats[decimals] : QString();
    try {
        // Company row and settings row go together or not at all.
        s.Conn->BeginTrans();
        s.Conn->Execute(QStringLiteral("update firmalar set firma=?, parola=?, kasa=?, tarih=? "
                                       "where id=?"),
                        { Text1[0]->text(), Text1[1]->text(), Text1[2]->text(), Date1->DateValue(),
                          s.FirmaId });
        s.Conn->Execute(QStringLiteral("update %1 set %2=?, %3=?, %4=?, %5=? where id=?")
                            .arg(sqlTable(s.TblAyar), settingColumnName(AyarGenel::VatRate1),
                                 settingColumnName(AyarGenel::VatRate2),
                                 settingColumnName(AyarGenel::VatRate3),
                                 settingColumnName(AyarGenel::PriceFormat)),
                        { rateToStore(0), rateToStore(1), rateToStore(2), format, AyarGenel::Id });
        s.Conn->CommitTrans();
    } catch (const DatabaseError &) {
        if (s.Conn->InTransaction())
            s.Conn->RollbackTrans();
        ShowSystemMessage(QStringLiteral("Firma bilgileriniz kaydedilemedi! Lütfen tekrar "
                                         "deneyiniz..."),
                          IconError);
        return;
    }

    s.FirmaAdi = Text1[0]->text();
    s.KasaAmount = ParseAmount(Text1[2]->text()).toDouble();
    s.WorkDate = Date1->DateValue();
    ShowSystemMessage(QStringLiteral("Firma bilgileriniz ve ayarlarınız kaydedildi..."),
                      IconSuccess);
    unloadByCode();
}

QString FGiris::rateToStore(int index) const
{
    // A stored rate that the list cannot show goes back as it was, unless the user chose one.
    const int position = Combo1[index]->currentIndex();
    return position >= 0 ? QString::number(position) : m_storedRates[index];
}

void FGiris::Form_KeyPress(int &KeyAscii)
{
    if (KeyAscii == KeyEnter && TabX->currentIndex() == 1)
        focusNextChild();
}

void FGiris::Text_KeyDown(int &KeyCode, int Shift)
{
    Q_UNUSED(Shift)
    if (KeyCode == KeyDown && Combo->count() > 1) {
        Combo->setCurrentIndex(1);
        KeyCode = 0;
    } else if (KeyCode == KeyUp && Combo->count() > 0) {
        Combo->setCurrentIndex(0);
        KeyCode = 0;
    }
}

void FGiris::Text_KeyPress(int &KeyAscii)
{
    if (KeyAscii == KeyEnter)
        KeyAscii = 0;
}

void FGiris::Text1_KeyPress(int index, int &KeyAscii)
{
    Q_UNUSED(index)
    if (KeyAscii == KeyEnter)
        KeyAscii = 0;
}

void FGiris::Text1_GotFocus(int index)
{
    if (!Text1[index]->text().isEmpty())
        Text1[index]->selectAll();
}

void FGiris::Text1_LostFocus(int index)
{
    if (index == 2)
        Text1[2]->setText(reformattedAmount(Text1[2]->text(), MoneyFormat));
}

void FGiris::LinkHELP_Click()
{
    QDesktopServices::openUrl(QUrl(helpAddress()));
}

void FGiris::LinkINFO_Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + contactMail()));
}

void FGiris::LinkMAKER_Click()
{
    QDesktopServices::openUrl(QUrl(makerAddress()));
}

void FGiris::LinkKX_Click()
{
    QDesktopServices::openUrl(QUrl(productAddress()));
}

void FGiris::unloadByCode()
{
    done(Accepted);
}

void FGiris::reject() { }

bool FGiris::handleKey(QObject *target, QKeyEvent *event)
{
    int keyCode = keyCodeOf(event);
    const int shift = shiftStateOf(event);
    Form_KeyDown(keyCode, shift);
    if (!isVisible() || keyCode == 0)
        return true;
    if (target == Text) {
        Text_KeyDown(keyCode, shift);
        if (keyCode == 0)
            return true;
    }

    int keyAscii = keyAsciiOf(event);
    if (keyAscii == 0)
        return false;
    const int typed = keyAscii;
    Form_KeyPress(keyAscii);
    if (target == Text)
        Text_KeyPress(keyAscii);
    for (int i = 0; i < int(Text1.size()); ++i) {
        if (target == Text1[i])
            Text1_KeyPress(i, keyAscii);
    }
    // Enter and Esc belong to the window; no field or default button acts on them.
    return keyAscii == 0 || typed == KeyEnter || typed == 10 || typed == KeyEscape;
}

bool FGiris::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key that a field passes on reaches its parents too; act once, for the field.
        QWidget *focus = QApplication::focusWidget();
        if (watched == (focus && isAncestorOf(focus) ? focus : this)
            && handleKey(watched, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    }
    case QEvent::FocusOut:
        for (int i = 0; i < int(Text1.size()); ++i) {
            if (watched == Text1[i])
                Text1_LostFocus(i);
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void FGiris::keyPressEvent(QKeyEvent *event)
{
    // What the fields leave over is the window's; the dialog's own Enter and Esc must not act.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FGiris::closeEvent(QCloseEvent *event)
{
    // Our own ways out never close the window through a close event, so this is the close
    // box (or the system menu, Alt+F4).
    event->accept();
    Form_QueryUnload(0);
}

void FGiris::Form_QueryUnload(int UnloadMode)
{
    // The program ends whichever page is shown; whoever showed the form does the ending.
    if (UnloadMode != 0)
        return;
    EndRequested = true;
    emit endProgram();
    done(EndProgram);
}

} // namespace kx
