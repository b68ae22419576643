// FOdeme, the payment form: layout, load, field behaviour and the save.
#include "app/payment_form.h"

#include "app/form_fields.h"
#include "core/conversions.h"
#include "core/document_kinds.h"
#include "core/document_panels.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/payments.h"
#include "core/rights.h"
#include "core/saved_documents.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/focus.h"
#include "platform/letter_fold.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx {

namespace {

constexpr int CaptionLeft = 120;
constexpr int FieldLeft = 1620;
constexpr int RowStep = 405;
constexpr int RowTop = 180;

QRect fieldRect(int row, int width, int offset = 0)
{
    return twipsRect(FieldLeft + offset, RowTop + row * RowStep, width, 315);
}

} // namespace

FOdeme::FOdeme(QWidget *parent)
    : QDialog(parent)
{
    ModuleState &s = state();
    setModal(true);
    setWindowTitle(QStringLiteral("Ödeme"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twipsSize(7320, RowTop + 10 * RowStep + 240));
    showFocusAlways(this);
    setFont(uiFont());

    const char *captions[]
        = { "Belge -----------------", "Belge No -----------",    "Cari --------------------",
            "Belge Tarihi -------",    "Nakit -----------------", "Çek -------------------",
            "Yekün ---------------",   "Açıklama -----------" };
    for (int i = 0; i < 8; ++i) {
        L[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        L[i]->setGeometry(twipsRect(CaptionLeft, RowTop + i * RowStep, 1440, 315));
    }
    LabeL = new QLabel(QStringLiteral("Bilgi -------------------"), this);
    LabeL->setGeometry(twipsRect(CaptionLeft, RowTop + 8 * RowStep, 1440, 315));

    CBelge = new ComboBox(this);
    CBelge->setGeometry(fieldRect(0, 1500));
    TSerino = new QLineEdit(this);
    TSerino->setGeometry(fieldRect(1, 600));
    // A pasted series is folded as a typed one is.
    foldPastedText(TSerino, &UpperAsciiChar);
    TSirano = new QLineEdit(this);
    TSirano->setGeometry(fieldRect(1, 1200, 660));
    CCari = new ComboBox(this, true);
    CCari->setGeometry(fieldRect(2, 5520));
    // Names are stored in plain upper-case letters: typed text finds them folded.
    CCari->setTypedFold(&UpperAsciiChar);
    DBelge = new DateField(this);
    DBelge->setGeometry(fieldRect(3, 1500));
    TNakit = new QLineEdit(this);
    TNakit->setGeometry(fieldRect(4, 1860));
    TCek = new QLineEdit(this);
    TCek->setGeometry(fieldRect(5, 1860));
    TYekun = new QLineEdit(this);
    TYekun->setGeometry(fieldRect(6, 1860));
    // Shown only: the total is cash plus cheque, never typed over.
    setShownOnly(TYekun);
    for (QLineEdit *amount : { TNakit, TCek, TYekun })
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TAciklama = new QLineEdit(this);
    TAciklama->setGeometry(fieldRect(7, 5520));
    LabInfo = new QLabel(this);
    LabInfo->setGeometry(fieldRect(8, 5520));
    LabInfo->setStyleSheet(QStringLiteral("color: #b00000;"));

    BKaydet = new QPushButton(QStringLiteral("Kaydet"), this);
    BKaydet->setGeometry(twipsRect(4440, RowTop + 9 * RowStep, 1275, 390));
    PushButton1 = new QPushButton(QStringLiteral("İptal"), this);
    PushButton1->setGeometry(twipsRect(5865, RowTop + 9 * RowStep, 1275, 390));
    // Enter on a focused button presses that button, never another one.
    for (QPushButton *button : { BKaydet, PushButton1 }) {
        button->setAutoDefault(true);
        button->setDefault(false);
    }
    connect(BKaydet, &QPushButton::clicked, this, &FOdeme::BKaydet_Click);
    connect(PushButton1, &QPushButton::clicked, this, &QDialog::close);

    const QList<QWidget *> order = { CBelge, TSerino, TSirano,   CCari,   DBelge,
                                     TNakit, TCek,    TAciklama, BKaydet, PushButton1 };
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    for (QWidget *field : { static_cast<QWidget *>(CBelge), static_cast<QWidget *>(TSerino),
                            static_cast<QWidget *>(TSirano), static_cast<QWidget *>(CCari),
                            static_cast<QWidget *>(CCari->lineEdit()),
                            static_cast<QWidget *>(DBelge), static_cast<QWidget *>(TNakit),
                            static_cast<QWidget *>(TCek), static_cast<QWidget *>(TAciklama) })
        field->installEventFilter(this);

    for (QLineEdit *field : { TSerino, TSirano, TNakit, TCek, TAciklama })
        selectAllOnFocus(field);
    connect(CCari, &ComboBox::Click, this, &FOdeme::CCari_Click);
    connect(TNakit, &QLineEdit::textChanged, this, &FOdeme::amountChanged);
    connect(TCek, &QLineEdit::textChanged, this, &FOdeme::amountChanged);

    // The load.
    CBelge->AddItems({ QStringLiteral("Tahsilat"), QStringLiteral("Tediye") });
    if (s.CariVar != QLatin1String("yok"))
        CCari->AddItems(cardEntries(s.CariRows));
    TSerino->setText(settingText(s.AyarRows, AyarGenel::Id, AyarGenel::LastPaymentSeries));
    newEntry();
}

bool FOdeme::loadPayment(qint64 id)
{
    StoredPayment payment;
    try {
        if (!readPayment(id, &payment)) {
            ShowSystemMessage(missingDocumentMessage(), IconError);
            return false;
        }
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belge okunamadı!"), IconError);
        return false;
    }
    const int account = accountRecordById(payment.accountId, false);
    if (account < 0) {
        ShowSystemMessage(missingAccountMessage(), IconError);
        return false;
    }
    m_editedId = payment.id;
    CBelge->setListIndex(payment.direction == 1 ? 1 : 0);
    TSerino->setText(payment.series);
    TSirano->setText(payment.number);
    DBelge->setDateValue(int(payment.date));
    TNakit->setText(payment.cash);
    TCek->setText(payment.cheque);
    TAciklama->setText(payment.note);
    CCari->setListIndex(account);
    return true;
}

void FOdeme::CCari_Click()
{
    const int record = CCari->ListIndex();
    if (record < 0)
        return;
    try {
        LabInfo->setText(AccountStatusText(state().CariRows.value(0, record).toLongLong()));
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Cari hesap durumu okunamadı!"), IconError);
    }
}

void FOdeme::amountChanged()
{
    TYekun->setText(paymentTotal(TNakit->text(), TCek->text()));
}

void FOdeme::BKaydet_Click()
{
    // A payment is a document: refused, the form stays as the user left it.
    if (!CheckRight(RightSaveDocument))
        return;
    ModuleState &s = state();
    // As leaving the fields would: the amounts are stored as they are shown.
    TNakit->setText(reformattedAmount(TNakit->text(), s.NumberFormat));
    TCek->setText(reformattedAmount(TCek->text(), s.NumberFormat));

    PaymentInput input;
    const int account = CCari->ListIndex();
    input.accountId = account >= 0 ? s.CariRows.value(0, account).toLongLong() : 0;
    input.direction = qMax(0, CBelge->ListIndex());
    input.series = TSerino->text();
    input.number = TSirano->text();
    input.date = DBelge->DateValue();
    input.note = TAciklama->text();
    input.cash = TNakit->text();
    input.cheque = TCek->text();

    const PaymentCheck check = checkPayment(input);
    if (check.field != PaymentField::None) {
        ShowSystemMessage(check.message, IconError);
        QWidget *focus = TNakit;
        if (check.field == PaymentField::Account) {
            focus = CCari;
        } else if (check.field == PaymentField::Series) {
            TSerino->clear();
            focus = TSerino;
        } else if (check.field == PaymentField::Number) {
            focus = TSirano;
        }
        focus->setFocus(Qt::OtherFocusReason);
        return;
    }

    qint64 replaced = 0;
    try {
        replaced = findOtherPayment(input.series, input.number, m_editedId);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belge kaydedilemedi!"), IconError);
        return;
    }
    if (replaced != 0
        && !AskYesNo(QStringLiteral("Aynı belge numaralı daha eski bir kayıt tespit edildi!\n"
                                    "Devam ederek eski kaydı silip yerine bu belgeyi kaydetmek "
                                    "istiyor musunuz?")))
        return;
    const SaveOutcome outcome = writePayment(input, m_editedId, replaced);
    if (!outcome.saved) {
        ShowSystemMessage(outcome.refusal, IconError);
        return;
    }
    // The next payment proposes this series.
    try {
        LoadLists(true, false, false);
    } catch (const DatabaseError &) { }

    clearForNext();
    ShowSystemMessage(QStringLiteral("Belge kaydedildi..."), IconSuccess);
    if (m_editedId != 0) {
        m_savedEdit = true;
        close();
    }
}

void FOdeme::newEntry()
{
    CBelge->setListIndex(0);
    try {
        TSirano->setText(NextSiraNo(6, TSerino->text()));
    } catch (const DatabaseError &) {
        TSirano->clear();
    }
    DBelge->setDate(QDate::currentDate());
    TNakit->setText(QStringLiteral("0,00"));
    TCek->setText(QStringLiteral("0,00"));
    TAciklama->clear();
}

void FOdeme::clearForNext()
{
    CCari->setListIndex(-1);
    CCari->setText(QString());
    LabInfo->clear();
    newEntry();
    CBelge->setFocus(Qt::OtherFocusReason);
}

bool FOdeme::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // The form sees keys first: Enter walks on through the fields, a completed account
        // chosen first.
        if (isEnterKey(key)) {
            if (ComboBox *combo = ComboBox::of(static_cast<QWidget *>(watched)))
                combo->chooseTypedEntry();
            focusNextPrevChild(true);
            return true;
        }
        // Series letters are stored upper-case, Turkish letters folded.
        if (watched == TSerino && typeFolded(TSerino, key))
            return true;
        break;
    }
    case QEvent::FocusOut:
        if (watched == TNakit || watched == TCek) {
            auto *amount = static_cast<QLineEdit *>(watched);
            amount->setText(reformattedAmount(amount->text(), state().NumberFormat));
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool ShowPaymentForm(QWidget *parent, qint64 editId)
{
    auto *window = new FOdeme(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (editId != 0 && !window->loadPayment(editId)) {
        delete window;
        return false;
    }
    state().FOdeme = window;
    bool saved = false;
    QObject::connect(window, &QDialog::finished, window,
                     [&saved, window] { saved = window->savedEdit(); });
    window->exec();
    return saved;
}

} // namespace kx
