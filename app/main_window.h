// FMain, the main window: ribbon, page tabs with the panels, the main grid and the start-up.
#pragma once

#include "core/panel_fields.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace kx {

class Grid;
class Ribbon;
class RibbonStatusBar;

class FMain : public QMainWindow
{
    Q_OBJECT

public:
    // The load: builds the ribbon, the tabs, the grids and the panels; shows no page yet.
    explicit FMain(QWidget *parent = nullptr);
    ~FMain() override;

    Ribbon *CMBar = nullptr;
    RibbonStatusBar *StatusBar = nullptr;
    QTabWidget *TabX = nullptr;
    Grid *Grid1 = nullptr;
    Grid *GridB2 = nullptr;
    Grid *GridB3 = nullptr;
    QWidget *RA1 = nullptr;
    QWidget *RB1 = nullptr;
    QWidget *RC1 = nullptr;
    QWidget *RX1 = nullptr;
    QLineEdit *TBul = nullptr;
    QLabel *LabeL = nullptr;
    QLabel *LabTotal = nullptr;

    // What the document routines work on.
    DocumentView documentView() const;

    // Switches the main grid to page kind (1 to 13) and rebuilds it completely.
    void ShowPage(int kind);

    // Start-up after a successful login: stock-name clean-up, settings, table choice, lists,
    // panel preparation and the silent version check. Throws DatabaseError.
    void startAfterLogin();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Activate();
    void placeGrid();
    void keepMaximised();
    bool insideDocumentPanel(const QObject *object) const;

    QWidget *m_client = nullptr;
    bool m_startupRunning = false;
};

// Stores every stock card's code and name of table again in plain upper-case letters, in one
// transaction, writing only the cards whose folded code or name differs. Returns the number of
// cards written. Throws DatabaseError (nothing is written then).
int cleanStockNames(const QString &table);

// The stock and account tables that settings row 54 gives company firmaId.
struct CardTables
{
    QString stock;
    QString accounts;
};
CardTables chooseCardTables(int firmaId);

} // namespace kx
