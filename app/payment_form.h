// FOdeme, the payment form: money received from an account or paid to it, new or edited.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

class ComboBox;
class DateField;

class FOdeme : public QDialog
{
    Q_OBJECT
public:
    // The load for a new payment: the last payment series and its next number, today.
    explicit FOdeme(QWidget *parent = nullptr);

    // Edit mode: shows the stored payment id, which the save replaces. False, with a message,
    // when the payment or its account card is gone; the form is then not to be shown.
    bool loadPayment(qint64 id);
    // The payment being edited; 0 in new mode.
    qint64 editedId() const { return m_editedId; }
    // True once an edited payment was saved (the form has closed then).
    bool savedEdit() const { return m_savedEdit; }

    ComboBox *CBelge = nullptr;
    ComboBox *CCari = nullptr;
    QLineEdit *TSerino = nullptr;
    QLineEdit *TSirano = nullptr;
    DateField *DBelge = nullptr;
    QLineEdit *TNakit = nullptr;
    QLineEdit *TCek = nullptr;
    QLineEdit *TYekun = nullptr; // cash + cheque, shown only
    QLineEdit *TAciklama = nullptr;
    QPushButton *BKaydet = nullptr;
    QPushButton *PushButton1 = nullptr;
    QLabel *LabInfo = nullptr;
    QLabel *LabeL = nullptr;
    std::array<QLabel *, 8> L {}; // L1 .. L8

public slots:
    void BKaydet_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A new collection on the series shown: its next number, today, no amounts, no note.
    void newEntry();
    void clearForNext();
    void CCari_Click();
    void amountChanged();

    qint64 m_editedId = 0;
    bool m_savedEdit = false;
};

// Shows the form modally: a new payment when editId is 0, else that stored payment (when it
// is gone, a message and no form). Returns true when an edited payment was saved.
bool ShowPaymentForm(QWidget *parent, qint64 editId = 0);

} // namespace kx
