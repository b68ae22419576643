// FBelgeBul, the search of a document by its series and number.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

class FBelgeBul : public QDialog
{
    Q_OBJECT
public:
    explicit FBelgeBul(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr; // "Belge Seri/Sıra"
    QLineEdit *TSeri = nullptr;
    QLineEdit *TSira = nullptr;
    QPushButton *CBul = nullptr;
    QLabel *LabCari = nullptr;
    QLabel *LabTarih = nullptr;
    QLabel *LabTutar = nullptr;
    QLineEdit *TCari = nullptr;
    QLineEdit *TTarih = nullptr;
    QLineEdit *TTutar = nullptr;
    QPushButton *CAc = nullptr;

    void CBul_Click();
    // Hands the held key to PendingDocKey and closes; nothing without a key.
    void CAc_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_key;
};

// Creates FBelgeBul into its instance slot and shows it modally; after "Aç" PendingDocKey
// holds the found document's key.
void ShowDocumentSearch(QWidget *parent);

} // namespace kx
