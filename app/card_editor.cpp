// The card editor F1Pop: layout, load, the field behaviour while typing, and the save.
#include "app/card_editor.h"
#include "core/cards.h"

#include "core/conversions.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/settings_row_map.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "platform/focus.h"
#include "platform/letter_fold.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx {

namespace {

const QStringList StockCaptions = {
    QStringLiteral("Stok Kodu"),         QStringLiteral("Stok Adı"),
    QStringLiteral("KDV Oranı (%)"),     QStringLiteral("Alış Fiyatı"),
    QStringLiteral("Uyarı Seviyesi"),    QStringLiteral("Satış Fiyatı"),
    QStringLiteral("Kur Sembolü"),       QStringLiteral("Birimi"),
    QStringLiteral("D.B. Stok Miktarı"), QStringLiteral("D.B. Envanter Değeri"),
    QStringLiteral("Barkod No"),         QStringLiteral("Garanti Süresi"),
};
const QStringList AccountCaptions = {
    QStringLiteral("Cari Kodu"),        QStringLiteral("Cari Adı"),
    QStringLiteral("Cari Cinsi"),       QStringLiteral("Adres Satırı (1)"),
    QStringLiteral("Adres Satırı (2)"), QStringLiteral("Adres Satırı (3)"),
    QStringLiteral("E-Posta"),          QStringLiteral("Vergi Dairesi"),
    QStringLiteral("Vergi Numarası"),   QStringLiteral("D.B. Borcu"),
    QStringLiteral("D.B. Alacağı"),     QStringLiteral("İskonto (%)"),
};

const QStringList CurrencyEntries
    = { QStringLiteral("TL"), QStringLiteral("USD"), QStringLiteral("AVRO") };
const QStringList UnitEntries
    = { QStringLiteral("Adet"),  QStringLiteral("KG"),    QStringLiteral("M2"),
        QStringLiteral("M3"),    QStringLiteral("Metre"), QStringLiteral("Litre"),
        QStringLiteral("Paket"), QStringLiteral("Koli"),  QStringLiteral("Çuval"),
        QStringLiteral("Sayfa") };
const QStringList WarrantyEntries
    = { QStringLiteral("Yok"),      QStringLiteral("1 Ay"),  QStringLiteral("2 Ay"),
        QStringLiteral("3 Ay"),     QStringLiteral("6 Ay"),  QStringLiteral("12 Ay"),
        QStringLiteral("2 Yıl"),    QStringLiteral("3 Yıl"), QStringLiteral("4 Yıl"),
        QStringLiteral("5 Yıl"),    QStringLiteral("6 Yıl"), QStringLiteral("7 Yıl"),
        QStringLiteral("8 Yıl"),    QStringLiteral("9 Yıl"), QStringLiteral("10 Yıl"),
        QStringLiteral("Ömür Boyu") };
const QStringList AccountKindEntries = { QStringLiteral("Müşteri"), QStringLiteral("Satıcı"),
                                         QStringLiteral("Banka"), QStringLiteral("Personel") };

bool isListField(int index)
{
    return index == 2 || index == 6 || index == 7 || index == 11 || index == 20;
}

// Codes and names are typed in plain upper-case letters.
bool isFoldedField(int index)
{
    return index == 0 || index == 1 || index == 18 || index == 19;
}

enum class Rewrite { None, Price, Amount, Plain };

Rewrite rewriteOf(int index)
{
    switch (index) {
    case 3:
    case 5:
        return Rewrite::Price;
    case 9:
    case 27:
    case 28:
        return Rewrite::Amount;
    case 4:
    case 8:
    case 29:
        return Rewrite::Plain;
    default:
        return Rewrite::None;
    }
}

} // namespace

F1Pop::F1Pop(const QStringList &selectedCard, QWidget *parent)
    : QDialog(parent)
    , m_selectedCard(selectedCard)
{
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    showFocusAlways(this);
    setFixedSize(twipsSize(6495, 7770));
    // The program's one face: every caption shares its size and fits its place.
    setFont(uiFont());

    m_frames[0] = new QGroupBox(QStringLiteral("Stok Bilgileri"), this);
    m_frames[1] = new QGroupBox(QStringLiteral("Cari Bilgileri"), this);
    for (QGroupBox *frame : m_frames) {
        frame->setGeometry(twipsRect(120, 120, 6255, 6915));
        frame->hide();
    }

    for (int index = 0; index < 2 * CardFieldCount; ++index) {
        QGroupBox *frame = m_frames[index / CardFieldCount];
        const int row = index % CardFieldCount;
        QWidget *widget = nullptr;
        if (isListField(index)) {
            widget = new ComboBox(frame);
            widget->setObjectName(QStringLiteral("Combo1_%1").arg(index));
        } else {
            auto *edit = new QLineEdit(frame);
            edit->setObjectName(QStringLiteral("Text1_%1").arg(index));
            selectAllOnFocus(edit, [this, index] { Text1_GotFocus(index); });
            // Pasted codes and names are stored as the typed ones are.
            if (isFoldedField(index))
                foldPastedText(edit, &UpperAsciiChar);
            widget = edit;
        }
        widget->setGeometry(twipsRect(1800, 360 + 360 * row, 4215, 315));
        widget->installEventFilter(this);
        m_fields.append(widget);

        const QStringList &captions = index < CardFieldCount ? StockCaptions : AccountCaptions;
        auto *label = new QLabel(captions.value(row), frame);
        label->setGeometry(twipsRect(120, 360 + 360 * row, 1575, 315));
        m_captions.append(label);
    }

    m_save = new QPushButton(QStringLiteral("Kaydet"), this);
    m_cancel = new QPushButton(QStringLiteral("İptal"), this);
    m_save->setGeometry(twipsRect(3780, 7155, 1215, 435));
    m_cancel->setGeometry(twipsRect(5160, 7155, 1215, 435));
    // Enter on a focused button presses that button, never another one (the window's key
    // filter does it). No button is the dialog's default, so none shows the default frame
    // while a field has the focus.
    for (QPushButton *button : { m_save, m_cancel }) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
    }
    connect(m_save, &QPushButton::clicked, this, &F1Pop::Btn1C_Click);
    connect(m_cancel, &QPushButton::clicked, this, &F1Pop::Btn1D_Click);

    QWidget *previous = nullptr;
    for (QWidget *widget : std::as_const(m_fields) + QList<QWidget *> { m_save, m_cancel }) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }

    Form_Load();
    // The code field is entered as the window opens, so that a proposed code is typed over.
    field(state().PopKind == CardKind::Stock ? 0 : CardFieldCount)->setFocus();
}

QLineEdit *F1Pop::Text1(int index) const
{
    return qobject_cast<QLineEdit *>(field(index));
}

ComboBox *F1Pop::Combo1(int index) const
{
    return qobject_cast<ComboBox *>(field(index));
}

QWidget *F1Pop::field(int index) const
{
    return m_fields.value(index);
}

QLabel *F1Pop::Label1(int index) const
{
    return m_captions.value(index);
}

QGroupBox *F1Pop::Frame(int index) const
{
    return index == 0 || index == 1 ? m_frames[index] : nullptr;
}

void F1Pop::Form_Load()
{
    ModuleState &s = state();
    const bool stock = s.PopKind == CardKind::Stock;
    const bool editing = s.PopMode == QLatin1String("e");
    PopTable = stock ? s.TblStok : s.TblCari;
    setWindowTitle(editing ? QStringLiteral("Kayıt Düzenleme") : QStringLiteral("Yeni Kayıt"));
    m_frames[0]->setVisible(stock);
    m_frames[1]->setVisible(!stock);

    const QStringList rates
        = { s.KdvOrani1.toString(), s.KdvOrani2.toString(), s.KdvOrani3.toString() };
    const QList<std::pair<int, QStringList>> lists = { { 2, rates },
                                                       { 6, CurrencyEntries },
                                                       { 7, UnitEntries },
                                                       { 11, WarrantyEntries },
                                                       { 20, AccountKindEntries } };
    for (const auto &[index, entries] : lists) {
        Combo1(index)->Clear();
        for (const QString &entry : entries)
            Combo1(index)->AddItem(entry);
    }

    // The free fields' captions, as the list rows of the settings keep them.
    for (int j = 0; j < FreeFieldCount; ++j) {
        const int column = freeFieldCaptionColumn(FirstFreeField + j);
        Label1(12 + j)->setText(settingText(s.AyarRows, listColumnsRow(Page::StockList), column));
        Label1(30 + j)->setText(settingText(s.AyarRows, listColumnsRow(Page::AccountList), column));
    }

    const int first = stock ? 0 : CardFieldCount;
    if (editing) {
        for (int i = 0; i < CardFieldCount; ++i) {
            const QString cell = m_selectedCard.value(i + 1);
            if (ComboBox *combo = Combo1(first + i)) {
                combo->setListIndex(-1);
                for (int entry = 0; entry < combo->ListCount(); ++entry) {
                    if (combo->List(entry) == cell)
                        combo->setListIndex(entry);
                }
            } else {
                Text1(first + i)->setText(cell);
            }
        }
        return;
    }

    for (int i = first; i < first + CardFieldCount; ++i) {
        if (QLineEdit *edit = Text1(i))
            edit->clear();
        else
            Combo1(i)->setListIndex(0);
    }
    if (stock) {
        Text1(3)->setText(FormatNumber(0, s.PriceFormat));
        Text1(5)->setText(FormatNumber(0, s.PriceFormat));
        Text1(4)->setText(QStringLiteral("0"));
        Text1(8)->setText(QStringLiteral("0"));
        Text1(9)->setText(FormatNumber(0, s.NumberFormat));
    } else {
        Text1(27)->setText(FormatNumber(0, s.NumberFormat));
        Text1(28)->setText(FormatNumber(0, s.NumberFormat));
        Text1(29)->setText(QStringLiteral("0"));
    }

    // The proposal is the largest code that reads as a number, plus one. When the table
    // cannot be read the code stays empty for the user to type; the save checks it.
    try {
        Text1(first)->setText(plainNumberText(largestCardCode(PopTable) + 1));
    } catch (const DatabaseError &) { }
}

bool F1Pop::isDuplicateCode(const QString &code) const
{
    const bool editing = state().PopMode == QLatin1String("e");
    return cardCodeTaken(PopTable, code, editing ? m_selectedCard.value(0).toLongLong() : 0);
}

void F1Pop::refuse(const QString &text, int fieldIndex)
{
    ShowSystemMessage(text, IconError);
    field(fieldIndex)->setFocus(Qt::OtherFocusReason);
}

void F1Pop::Btn1C_Click()
{
    ModuleState &s = state();
    const int kind = s.PopKind;
    const bool stock = kind == CardKind::Stock;
    const bool editing = s.PopMode == QLatin1String("e");
    const int first = stock ? 0 : CardFieldCount;
    const int codeField = first;
    const int nameField = first + 1;

    if (Text1(nameField)->text().trimmed().isEmpty()) {
        refuse(QStringLiteral("Kayıt adını giriniz!"), nameField);
        return;
    }
    if (Text1(codeField)->text().trimmed().isEmpty()) {
        refuse(QStringLiteral("Kayıt kodunu giriniz!"), codeField);
        return;
    }

    // A database that refuses the statements (locked by another computer, read-only folder)
    // must not take the program down; the entered values stay in the window.
    try {
        if (isDuplicateCode(Text1(codeField)->text())) {
            refuse(QStringLiteral("Kod değeri daha eski bir kayıtta kullanımda!"), codeField);
            return;
        }
        for (int k = 1; k <= CardFieldCount; ++k) {
            const int index = first + k - 1;
            if (QLineEdit *edit = Text1(index))
                s.FieldValues[k] = edit->text();
            else if (Combo1(index)->ListIndex() >= 0 || !editing)
                s.FieldValues[k] = Combo1(index)->Text();
            else // a stored text that is no longer an entry is kept, not wiped
                s.FieldValues[k] = m_selectedCard.value(k);
        }
        if (editing)
            ExecUpdate(PopTable, m_selectedCard.value(0).toLongLong());
        else
            ExecInsert(PopTable);
    } catch (const DatabaseError &) {
        for (int k = 1; k <= CardFieldCount; ++k)
            s.FieldValues[k] = SkipSlot;
        ShowSystemMessage(QStringLiteral("Kayıt yapılamadı!"), IconError);
        return;
    }
    ShowSystemMessage(editing ? QStringLiteral("Değişiklikler kaydedildi...")
                              : QStringLiteral("Kayıt oluşturuldu..."),
                      IconSuccess);
    try {
        LoadLists(false, stock, !stock);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Listeler yenilenemedi!"), IconError);
    }
    emit cardSaved(kind, !editing);

    if (editing || !AskYesNo(QStringLiteral("Başka kayıt eklemek istiyor musunuz?"))) {
        Btn1D_Click();
        return;
    }
    Form_Load();
    field(nameField)->setFocus(Qt::OtherFocusReason);
}

void F1Pop::Btn1D_Click()
{
    close();
}

void F1Pop::Text1_GotFocus(int index)
{
    QLineEdit *edit = Text1(index);
    if (!edit->text().isEmpty())
        edit->setSelection(0, int(edit->text().size()));
}

void F1Pop::Text1_LostFocus(int index)
{
    QLineEdit *edit = Text1(index);
    const ModuleState &s = state();
    switch (rewriteOf(index)) {
    case Rewrite::Price:
        edit->setText(reformattedAmount(edit->text(), s.PriceFormat));
        break;
    case Rewrite::Amount:
        edit->setText(reformattedAmount(edit->text(), s.NumberFormat));
        break;
    case Rewrite::Plain:
        edit->setText(plainNumberText(ParseAmount(edit->text()).toDouble()));
        break;
    case Rewrite::None:
        break;
    }
}

bool F1Pop::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_save || watched == m_cancel) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
    }
    const int index = int(m_fields.indexOf(static_cast<QWidget *>(watched)));
    if (index < 0)
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // The window sees keys first: Enter in a card field goes on to the next field.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextPrevChild(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Btn1D_Click();
            return true;
        }
        QLineEdit *edit = Text1(index);
        const QString typed = key->text();
        if (edit && isFoldedField(index) && !typed.isEmpty() && typed.at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const QString folded = UpperAsciiText(typed);
            if (folded != typed) {
                edit->insert(folded);
                return true;
            }
        }
        break;
    }
    case QEvent::FocusOut:
        if (Text1(index))
            Text1_LostFocus(index);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowCardEditor(QWidget *parent, const QStringList &selectedCard,
                    const std::function<void(int popKind, bool isNew)> &afterSave)
{
    // Editing needs the card's id; without a selected row there is nothing to edit.
    if (state().PopMode == QLatin1String("e") && selectedCard.value(0).toLongLong() <= 0)
        return;
    auto *window = new F1Pop(selectedCard, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    state().F1Pop = window;
    if (afterSave)
        QObject::connect(window, &F1Pop::cardSaved, window, afterSave);
    window->exec();
}

} // namespace kx
