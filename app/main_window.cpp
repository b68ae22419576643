// FMain: building the window, the first activation's start-up, the Enter rule and the resize.
#include "app/main_window.h"
#include "core/cards.h"

#include "app/panel_loader.h"
#include "app/ribbon_menu.h"
#include "core/conversions.h"
#include "core/database.h"
#include "core/document_panels.h"
#include "core/document_print.h"
#include "core/lists.h"
#include "core/login_form.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/combo_box.h"
#include "platform/focus.h"
#include "platform/grid.h"
#include "platform/ribbon.h"
#include "platform/twips.h"
#include "platform/ui_font.h"
#include "reports/document_print.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

// The style sheet lives in the program's static library; its resource must be registered.
static void initMainWindowResources()
{
    Q_INIT_RESOURCE(mainwin);
}

namespace kx {

namespace {

// One of Belgepano's panels ("RA"); when the library cannot give it, an empty place of its size
// keeps the window usable, the reason goes to the log and the panel to notMade.
QWidget *panel(const QString &panelClass, const QString &name, QSize size, QWidget *parent,
               QStringList &notMade)
{
    const QString progId = QStringLiteral("Belgepano.") + panelClass;
    QString error;
    QWidget *made = CreatePanel(progId, parent, &error);
    if (!made) {
        qWarning("%s: %s", qPrintable(progId), qPrintable(error));
        notMade.append(panelClass);
        made = new QWidget(parent);
        made->setFixedSize(size);
    }
    made->setObjectName(name);
    return made;
}

Grid *totalsGrid(const QString &name, QWidget *parent)
{
    auto *grid = new Grid(parent);
    grid->setObjectName(name);
    grid->setCols(4);
    grid->setRows(8);
    grid->setFixedSize(160, 7 * 18 + 4);
    grid->setScrollBarsShown(0);
    // Only the discount is typed; the labels and sums are no place for the focus.
    grid->setFocusCell(2, 3);
    return grid;
}

} // namespace

FMain::FMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("Kantarix"));
    state().FMain = this;

    CMBar = new Ribbon(this, QStringLiteral("The Ribbon"));
    setMenuWidget(CMBar);
    StatusBar = new RibbonStatusBar(this);
    setStatusBar(StatusBar);
    BuildMenu(CMBar, StatusBar);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    // The pages' captions and fields in the program's one face; the ribbon keeps its own.
    m_client->setFont(uiFont());
    setCentralWidget(m_client);

    TabX = new QTabWidget(m_client);
    TabX->setObjectName(QStringLiteral("TabX"));
    // The window tells its tabs apart by their PageTab index, so each must land at its own.
    const auto addPageTab = [this](PageTab tab, QWidget *page, const QString &caption) {
        [[maybe_unused]] const int index = TabX->addTab(page, caption);
        Q_ASSERT(index == tab);
    };
    auto *records = new QWidget;
    LabeL = new QLabel(QStringLiteral("Arama ----"), records);
    LabeL->setGeometry(10, 14, 70, 22);
    TBul = new QLineEdit(records);
    TBul->setObjectName(QStringLiteral("TBul"));
    TBul->setGeometry(84, 12, 260, 24);
    LabTotal = new QLabel(QStringLiteral("Toplam Kayıt Sayısı : 0"), records);
    LabTotal->setObjectName(QStringLiteral("LabTotal"));
    LabTotal->setGeometry(360, 14, 260, 22);
    addPageTab(RecordsTab, records, QStringLiteral("Kayıtlar"));

    auto *noteTab = new QWidget;
    RA1 = panel(QStringLiteral("RA"), QStringLiteral("RA1"), QSize(760, 210), noteTab,
                m_panelsNotMade);
    RA1->move(2, 0);
    addPageTab(DeliveryNoteTab, noteTab, QStringLiteral("İrsaliye"));

    auto *invoiceTab = new QWidget;
    RB1 = panel(QStringLiteral("RB"), QStringLiteral("RB1"), QSize(760, 210), invoiceTab,
                m_panelsNotMade);
    RB1->move(2, 0);
    GridB2 = totalsGrid(QStringLiteral("GridB2"), invoiceTab);
    GridB2->move(RB1->width() + 12, 8);
    addPageTab(InvoiceTab, invoiceTab, QStringLiteral("Fatura"));

    auto *linesTab = new QWidget;
    RC1 = panel(QStringLiteral("RC"), QStringLiteral("RC1"), QSize(760, 210), linesTab,
                m_panelsNotMade);
    RC1->move(2, 0);
    GridB3 = totalsGrid(QStringLiteral("GridB3"), linesTab);
    GridB3->move(RC1->width() + 12, 8);
    addPageTab(InvoiceWithLinesTab, linesTab, QStringLiteral("İrsaliyeli Fatura"));

    auto *reportTab = new QWidget;
    RX1 = panel(QStringLiteral("RX"), QStringLiteral("RX1"), QSize(760, 50), reportTab,
                m_panelsNotMade);
    RX1->move(2, 0);
    addPageTab(ReportTab, reportTab, QStringLiteral("Hesap Ekstresi"));

    Grid1 = new Grid(m_client);
    Grid1->setObjectName(QStringLiteral("Grid1"));

    // No page until the user picks one.
    TabX->setVisible(false);
    Grid1->setVisible(false);
    TabX->setGeometry(10, 4, 1000, twipsToPixels(1200));

    // The dark look goes on the ribbon, the status bar and the page tabs only: under a style
    // sheet Qt gives the panels' fields the application font instead of the panel's own, and
    // their layouts were drawn for that face.
    initMainWindowResources();
    QFile style(QStringLiteral(":/style.qss"));
    const QString sheet
        = style.open(QIODevice::ReadOnly) ? QString::fromUtf8(style.readAll()) : QString();
    for (QWidget *part : { static_cast<QWidget *>(CMBar), static_cast<QWidget *>(StatusBar),
                           static_cast<QWidget *>(TabX->tabBar()) })
        part->setStyleSheet(sheet);
    QPalette back = m_client->palette();
    back.setColor(QPalette::Window, QColor(0xd7, 0xdb, 0xe1));
    m_client->setPalette(back);
    m_client->setAutoFillBackground(true);

    showFocusAlways(this);
    qApp->installEventFilter(this);
    connectEvents();

    // The save prints after its commit: the selected document tab gives the panel, totals and
    // captions, the current page the layout.
    QPointer<FMain> window(this);
    setDocumentPrinter([window](const DocumentView &view, int copies) {
        return window
            ? printCopies(view, copies, { window->documentPageOfTab(), state().CurrentPage })
            : 0;
    });
}

int FMain::documentPageOfTab() const
{
    if (TabX->isHidden())
        return Page::None;
    switch (TabX->currentIndex()) {
    case DeliveryNoteTab:
        return Page::DeliveryNote;
    case InvoiceTab:
        return Page::Invoice;
    case InvoiceWithLinesTab:
        return Page::InvoiceWithLines;
    default:
        return Page::None;
    }
}

FMain::~FMain()
{
    // A window left for static clean-up may outlive the application object.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    // The children die after this body: whatever they signal on the way (focus moves, closing
    // editors) must not run this window's handlers. The panels' events go through relays.
    for (QObject *panel : { static_cast<QObject *>(RA1), static_cast<QObject *>(RB1),
                            static_cast<QObject *>(RC1), static_cast<QObject *>(RX1) })
        if (panel)
            panel->disconnect();
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

DocumentView FMain::documentView() const
{
    DocumentView view;
    view.Grid1 = Grid1;
    view.GridB2 = GridB2;
    view.GridB3 = GridB3;
    view.RA1 = RA1;
    view.RB1 = RB1;
    view.RC1 = RC1;
    view.RX1 = RX1;
    view.TBul = TBul;
    view.window = const_cast<FMain *>(this);
    return view;
}

void FMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Out of the activation itself, so that the modal login runs from the event loop.
        QTimer::singleShot(0, this, &FMain::Form_Activate);
    } else if (event->type() == QEvent::WindowStateChange) {
        keepMaximised();
    }
}

void FMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    tellPanelsNotMade();
}

// Told once, when the window stands with a company chosen: before the login the window has not
// its size yet and the notice would sit behind the login.
void FMain::tellPanelsNotMade()
{
    if (m_panelsNotMade.isEmpty() || !isVisible() || state().FirmaAdi.isEmpty())
        return;
    const QString names = m_panelsNotMade.join(QStringLiteral(", "));
    m_panelsNotMade.clear();
    QTimer::singleShot(0, this, [names] {
        ShowSystemMessage(QStringLiteral("Belge panelleri oluşturulamadı (%1)! Panel kitaplığını "
                                         "belgepano-register ile kaydedip programı yeniden "
                                         "başlatınız.")
                              .arg(names),
                          IconError);
    });
}

void FMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    keepMaximised();
    if (!(windowState() & Qt::WindowMinimized))
        placeGrid();
}

// The window stays maximised; restoring it from the task bar maximises it again.
void FMain::keepMaximised()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
            setWindowState(windowState() | Qt::WindowMaximized);
    });
}

void FMain::placeGrid()
{
    const int left = TabX->x();
    TabX->resize(width() - twipsToPixels(300), TabX->height());
    const int top = TabX->y() + TabX->height() + twipsToPixels(100);
    // The window's height counts from its top; the grid's top from the client area.
    const int clientTop = m_client->mapTo(this, QPoint(0, 0)).y();
    const int height = this->height() - clientTop - top - twipsToPixels(600);
    Grid1->setGeometry(left, top, width() - twipsToPixels(300), qMax(height, 60));
}

void FMain::Form_Activate()
{
    ModuleState &s = state();
    if (!s.FirmaAdi.isEmpty() || m_startupRunning || !isActiveWindow())
        return;
    m_startupRunning = true;
    try {
        FGiris login(this);
        if (login.exec() != QDialog::Accepted) {
            // Closing the login without a company ends the program, with no backup.
            hide();
            QCoreApplication::exit(0);
            m_startupRunning = false;
            return;
        }
        if (!s.FirmaAdi.isEmpty())
            startAfterLogin();
    } catch (const DatabaseError &error) {
        QMessageBox::critical(this, QStringLiteral("Kantarix"), error.message());
        hide();
        QCoreApplication::exit(1);
    }
    m_startupRunning = false;
}

void FMain::startAfterLogin()
{
    ModuleState &s = state();
    // The login company's own stock table, before the table choice may switch it.
    cleanStockNames(s.TblStok);
    LoadLists(true, false, false);
    const CardTables tables = chooseCardTables(s.FirmaId);
    s.TblStok = tables.stock;
    s.TblCari = tables.accounts;
    LoadLists(false, true, true);
    FillPanelLists(documentView());
    // The panel preparation ends with the silent check when the computer is online.
    CheckVersionAndRates(0);
    tellPanelsNotMade();
}

bool FMain::insideDocumentPanel(const QObject *object) const
{
    for (; object; object = object->parent()) {
        if (object == RA1 || object == RB1 || object == RC1)
            return true;
    }
    return false;
}

// Enter at window level: the document panels walk their fields with it and the cheque page's
// grid edits with it; elsewhere it goes no further, and on report pages it builds the report.
bool FMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != this || insideDocumentPanel(widget))
        return false;
    // A cell being edited takes its Enter: the grid keeps the text and closes the editor.
    if (Grid::editorOwner(widget))
        return false;
    // A completed account or card is chosen before the page reads the choice.
    if (ComboBox *combo = ComboBox::of(QApplication::focusWidget()))
        combo->chooseTypedEntry();
    const int page = state().CurrentPage;
    if (page == Page::Cheques)
        return false;
    if (isReportPage(page))
        ShowReport();
    return true;
}

bool FMain::focusNextPrevChild(bool next)
{
    const int page = state().CurrentPage;
    const DocumentView view = documentView();
    auto *panel = qobject_cast<QWidget *>(view.panelOfPage(page));
    if (!isDocumentPage(page) || !panel || !panel->isVisible())
        return QMainWindow::focusNextPrevChild(next);

    // The panel's fields that the walk stops at, in their tab order.
    QList<QWidget *> fields;
    for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->property("TabIndex").isValid() && !child->isHidden() && child->isEnabled()
            && (child->focusPolicy() & Qt::TabFocus))
            fields.append(child);
    }
    std::stable_sort(fields.begin(), fields.end(), [](QWidget *a, QWidget *b) {
        return a->property("TabIndex").toInt() < b->property("TabIndex").toInt();
    });
    if (fields.isEmpty())
        return QMainWindow::focusNextPrevChild(next);

    QWidget *focus = QApplication::focusWidget();
    const auto holds = [focus](QWidget *widget) {
        return widget && focus && (widget == focus || widget->isAncestorOf(focus));
    };
    Grid *totals = view.totalsOfPage(page);
    // Stops: the last field leads to the lines, the lines to the totals, the totals back to
    // the first field; backwards the same way round.
    QWidget *target = nullptr;
    if (next) {
        if (holds(fields.last()))
            target = Grid1;
        else if (holds(Grid1))
            target = totals ? static_cast<QWidget *>(totals) : fields.first();
        else if (holds(totals))
            target = fields.first();
    } else {
        if (holds(fields.first()))
            target = totals ? static_cast<QWidget *>(totals) : Grid1;
        else if (holds(Grid1))
            target = fields.last();
        else if (holds(totals))
            target = Grid1;
    }
    if (!target)
        return QMainWindow::focusNextPrevChild(next);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace kx
