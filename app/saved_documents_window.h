// FKayitli, the saved documents of one account: list, cancel, edit, print, find by number.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace kx {

class ComboBox;
class FMain;
class Grid;

class FKayitli : public QDialog
{
    Q_OBJECT
public:
    // The load: sets ClearAfterKayitli, fills the account list, places the window. Picked
    // documents open in main's panels.
    explicit FKayitli(FMain *main, QWidget *parent = nullptr);

    QLabel *LabeL = nullptr;
    ComboBox *CCariX = nullptr;
    Grid *Grid1 = nullptr;
    QPushButton *BDel = nullptr;
    QPushButton *BEdit = nullptr;
    QPushButton *BPrint = nullptr;
    ComboBox *CPrint = nullptr;
    QPushButton *PrintIrs = nullptr;
    QPushButton *PushButton1 = nullptr;

    // Selects the document of PendingDocKey, when it holds one, and empties it; run when the
    // window opens and when the search window hands a key back.
    void Form_Activate();
    // Lists the documents of the chosen account.
    void ListAccountDocuments();
    // A row became the picked one: its document opens in the main window, a payment in the
    // payment form.
    void Grid1_OpenRow(int row, int col);
    void BDel_Click();
    void BEdit_Click();
    void BPrint_Click();
    void PrintIrs_Click();
    void PushButton1_Click();

    // The key of the document that picking loaded into the main window's panel.
    QString loadedKey() const { return m_loadedKey; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int pickedRow();
    void clearList();
    void noRowPicked();
    bool printable(QString *key);

    QPointer<FMain> m_main;
    QString m_loadedKey;
    bool m_filling = false;
    // The list's current row when the mouse was pressed (0-based, -1 none).
    int m_rowBeforePress = -1;
    bool m_enteringFocus = false;
    bool m_closingByCode = false;
};

// Creates FKayitli into its instance slot and shows it modally; returns when it has closed.
void ShowSavedDocuments(FMain *main);

} // namespace kx
