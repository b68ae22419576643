// The settings window FAyar: list fields, print layouts, backup page, rights and table usage.
#pragma once

#include "settings/settings_rows.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace kx {

class Grid;
class LinkLabel;

class FAyar : public QDialog
{
    Q_OBJECT

public:
    // The load: builds the pages and fills every control from AyarRows, but the other
    // company's table choices, which come from its own settings table; writes nothing.
    explicit FAyar(QWidget *parent = nullptr);

    // Pages "Stoklar / Cariler", "Yazıcı", "Yedekleme", "Diğer".
    QTabWidget *Tab1 = nullptr;
    // List fields: rows 2..19 stand for card columns a1..a18, stock left, account right.
    Grid *Grid1 = nullptr;
    QLabel *RLabel1 = nullptr;
    // The layouts "İrsaliye", "Fatura", "İrsaliyeli Fatura", one grid each.
    QTabWidget *Tab2 = nullptr;
    std::array<Grid *, LayoutKindCount> Grid2 {};
    QComboBox *ComboX = nullptr; // the column the scroll bar shifts
    QScrollBar *VScroll1 = nullptr;
    QPushButton *PushButton1 = nullptr; // "Bu Listeyi Sıfırla"
    LinkLabel *Label4 = nullptr; // the help page
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    // 0..8 the rights of other computers, 9 the price write-back, 10 the low-stock warning.
    std::array<QCheckBox *, 11> Check1 {};
    // The table usage: a1, a2 as the first company's row 54 holds them, a3, a4 as the
    // second's, whose logins read them there.
    std::array<QComboBox *, TableChoiceCount> Combo1 {};
    QPushButton *BKaydet = nullptr; // "Ayarları Kaydet"

    // What the controls hold now, as the save writes it.
    SettingsValues shownValues() const;

    // The "Yedekleme" page: an empty page whose content the backup page builds. A builder set
    // here runs at the end of every load with the window and that page.
    QWidget *backupPage() const { return m_backupPage; }
    using BackupPageBuilder = std::function<void(FAyar &window, QWidget *page)>;
    static void setBackupPageBuilder(BackupPageBuilder builder);

    // While a transfer runs the window neither closes nor saves; the backup page sets it
    // around each transfer.
    void setTransferRunning(bool running);
    bool transferRunning() const { return m_transferRunning; }

public slots:
    void BKaydet_Click();
    void PushButton1_Click();
    void VScroll1_Change();
    void Label4_Click();

public:
    void reject() override;

private:
    void buildListPage(QWidget *page);
    void buildPrinterPage(QWidget *page);
    void buildOtherPage(QWidget *page);
    void Form_Load();
    void setupListGrid();
    void SetupPrintGrid(Grid *grid);
    void showValues(const SettingsValues &values);

    QWidget *m_backupPage = nullptr;
    std::array<int, TableChoiceCount> m_openedChoices {}; // the table usage the load showed
    int m_scrollMemory = 0; // the scroll bar's value after the last shift
    bool m_transferRunning = false;
};

// Creates FAyar into its instance slot and shows it modally; returns when it has closed.
void ShowSettingsWindow(QWidget *parent);

} // namespace kx
