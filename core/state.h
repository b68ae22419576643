// The one module state of the program: connections, company, tables, loaded rows and flags.
#pragma once

#include "platform/adodb.h"
#include "platform/row_array.h"

#include <QPointer>
#include <QString>
#include <QVariant>

#include <array>
#include <memory>

class QWidget;

namespace kx {

using SlotArray = std::array<QVariant, 51>;

// The value that marks a builder slot to leave out.
inline const QString SkipSlot = QStringLiteral("\u00BF");

struct ModuleState
{
    // Window instance slots; a window that closes is gone, the next use makes it anew.
    QPointer<QWidget> FMain;
    QPointer<QWidget> FGiris;
    QPointer<QWidget> FInputbox;
    QPointer<QWidget> F1Pop;
    QPointer<QWidget> FOdeme;
    QPointer<QWidget> FKayitli;
    QPointer<QWidget> FBelgeBul;
    QPointer<QWidget> FAyar;
    QPointer<QWidget> FHakkinda;
    QPointer<QWidget> FPrint;

    // Database objects, made by the login form's load.
    std::unique_ptr<Connection> Conn;
    std::unique_ptr<Connection> Conn2;
    std::unique_ptr<Recordset> Rs;
    std::unique_ptr<Recordset> Rs2;

    // Company state.
    RowArray FirmaRows;
    QString FirmaAdi;
    int FirmaId = 0;
    QString FirmaParola;
    QVariant WorkDate; // yyyymmdd as a number
    double KasaAmount = 0;

    // Table set.
    QString TblStok;
    QString TblCari;
    QString TblBelge;
    QString TblCek;
    QString TblAyar;

    // Loaded rows.
    RowArray AyarRows;
    RowArray StokRows;
    RowArray CariRows;
    RowArray StokAllRows;
    RowArray CariAllRows;
    QString StokVar;
    QString CariVar;

    // Formats, rates and the document grid's columns.
    QString PriceFormat;
    QString NumberFormat;
    QVariant KdvOrani1;
    QVariant KdvOrani2;
    QVariant KdvOrani3;
    QString RateUsdBuy;
    QString RateUsdSell;
    QString RateEurBuy;
    QString RateEurSell;
    int ColBelge = 0;
    int ColTarih = 0;
    int ColStokKodu = 0;
    int ColStokAdi = 0;
    int ColMiktar = 0;
    int ColBarkod = 0;
    int ColSeriNo = 0;
    int ColFiyat = 0;
    int ColKdvsizFiyat = 0;
    int ColTutar = 0;
    int ColKdvOrani = 0;
    int ColKdvTutari = 0;

    // Page, flags and hand-over values.
    int CurrentPage = 0; // a Page (core/pages.h)
    bool MainComputer = false;
    bool ClearAfterKayitli = false;
    int PopKind = 0; // a CardKind (core/cards.h)
    QString PopMode;
    int MsgResult = 0;
    QString PendingDocKey;

    // SQL builder state.
    SlotArray FieldValues;
    QString SqlText;
    QVariant LastBelgeId;

    // Print-field names.
    SlotArray PrintFieldNamesUpper;
    SlotArray PrintFieldNames;

    // Account balance of the account last computed.
    QVariant AccountDebtSum;
    QVariant AccountCreditSum;
    QString HesapDurumu;

    // Month list of the cash report.
    QString CurrentMonthText;
    int ListMonth = 0;
    int ListYear = 0;

    // Input dialog.
    QString InputTitle;
    QString InputPrompt;
    QString InputDefault;
    QString InputResult;

    // Backup server and settings window.
    QString BackupUser;
    QString BackupPassword;
    QString StatusBase;

    // The ribbon object of the main window.
    QPointer<QObject> RibbonBar;
};

ModuleState &state();

// Puts the state back to what a fresh process has; tests use it between cases.
void resetState();

} // namespace kx
