// The stock and account card editor F1Pop: the eighteen fields of one card, new or edited.
#pragma once

#include "platform/combo_box.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

// Field numbers 0 to 17 are the stock card, 18 to 35 the account card; field k of a card writes
// column a(k + 1) or a(k - 17).
constexpr int CardFieldCount = 18;

class F1Pop : public QDialog
{
    Q_OBJECT
public:
    // Reads state().PopKind (CardKind::Stock or Account) and PopMode ("y" new, "e" edit). In edit
    // mode selectedCard is the main grid's current row: cell 0 the card's id, cells 1 to 18 its
    // columns a1 to a18.
    explicit F1Pop(const QStringList &selectedCard = {}, QWidget *parent = nullptr);

    // The table of the card kind, chosen at each load.
    QString PopTable;

    // Text1 or Combo1 of a field number (0 to 35); the other is null.
    QLineEdit *Text1(int index) const;
    ComboBox *Combo1(int index) const;
    QWidget *field(int index) const;
    QLabel *Label1(int index) const;
    QGroupBox *Frame(int index) const;
    QPushButton *Btn1C() const { return m_save; }
    QPushButton *Btn1D() const { return m_cancel; }

signals:
    // After a save has reloaded the card lists: the main window brings its panel card lists
    // and its list page up to date. Emitted before the question about another card.
    void cardSaved(int popKind, bool isNew);

public slots:
    void Btn1C_Click();
    void Btn1D_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    bool isDuplicateCode(const QString &code) const;
    void refuse(const QString &text, int fieldIndex);
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);

    QList<QWidget *> m_fields;
    QList<QLabel *> m_captions;
    QGroupBox *m_frames[2] = {};
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QStringList m_selectedCard;
};

// Creates F1Pop into its instance slot and shows it modally; returns when it has closed.
// afterSave, when given, is connected to cardSaved.
void ShowCardEditor(QWidget *parent, const QStringList &selectedCard = {},
                    const std::function<void(int popKind, bool isNew)> &afterSave = {});

} // namespace kx
