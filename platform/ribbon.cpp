// The ribbon over tab, tool button, menu, shortcut and status bar widgets of Qt.
#include "platform/ribbon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace kx {

namespace {
const int largeIcon = 32;
const int smallIcon = 16;
const int controlRows = 3; // rows of a compact group
} // namespace

QKeySequence shortcutSequence(int flags, int keyCode)
{
    int key = 0;
    if (keyCode >= 112 && keyCode <= 123)
        key = Qt::Key_F1 + (keyCode - 112);
    else if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z'))
        key = keyCode; // Qt's codes of letters and digits are their upper-case characters
    else
        return {};
    int modifiers = 0;
    if (flags & KeyCtrl)
        modifiers |= Qt::ControlModifier;
    if (flags & KeyAlt)
        modifiers |= Qt::AltModifier;
    if (flags & KeyShift)
        modifiers |= Qt::ShiftModifier;
    return QKeySequence(key | modifiers);
}

// ---- RibbonControl ----

RibbonControl::RibbonControl(Ribbon *ribbon, int kind, int id, const QString &caption,
                             QWidget *parent)
    : QToolButton(parent)
    , m_ribbon(ribbon)
    , m_kind(kind)
    , m_id(id)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("command%1").arg(id));
    setText(caption);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(largeIcon, largeIcon));
    if (kind == ControlPopup || kind == ControlSplitButton) {
        m_menu = new QMenu(this);
        setMenu(m_menu);
        setPopupMode(kind == ControlPopup ? QToolButton::InstantPopup
                                          : QToolButton::MenuButtonPopup);
        // The open list holds the mouse, so the button never hears the cursor leave it; once
        // the list has closed, the cursor's real place decides whether it stays lit.
        connect(m_menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &RibbonControl::syncUnderMouse); });
    }
    if (kind != ControlPopup)
        connect(this, &QToolButton::clicked, this, [this] { m_ribbon->execute(m_id); });
}

void RibbonControl::syncUnderMouse()
{
    if (underMouse() && !rect().contains(mapFromGlobal(QCursor::pos()))) {
        setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(this, &leave);
    }
    update();
}

QAction *RibbonControl::AddItem(int id, const QString &caption)
{
    if (!m_menu)
        return nullptr;
    QAction *item = m_menu->addAction(caption);
    item->setData(id);
    item->setIcon(m_ribbon->m_icons.value(id));
    connect(item, &QAction::triggered, m_ribbon, [ribbon = m_ribbon, id] { ribbon->execute(id); });
    m_ribbon->m_items.insert(id, item);
    return item;
}

QList<QAction *> RibbonControl::items() const
{
    return m_menu ? m_menu->actions() : QList<QAction *>();
}

void RibbonControl::setWidth(double pixels)
{
    m_width = int(std::lround(pixels));
    applyWidth();
}

// Large buttons take their width exactly and wrap their caption; buttons with the caption
// beside the icon never cut it, so the width is their least.
void RibbonControl::applyWidth()
{
    if (m_width <= 0)
        return;
    if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
        setFixedWidth(m_width);
    } else {
        setMinimumWidth(m_width);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
    updateDisplayText();
}

// A large button's caption wraps onto a second line when it is wider than the button; the
// caption itself stays as given.
void RibbonControl::updateDisplayText()
{
    const int room = maximumWidth() - 8;
    const QFontMetrics metrics(font());
    QString shown = m_caption;
    if (toolButtonStyle() == Qt::ToolButtonTextUnderIcon && maximumWidth() < QWIDGETSIZE_MAX
        && metrics.horizontalAdvance(m_caption) > room) {
        // Break at a wide gap first ("Fatura  ( F5 )"), else after the words that fit.
        const qsizetype gap = m_caption.indexOf(QStringLiteral("  "));
        if (gap > 0) {
            shown = m_caption.left(gap) + QLatin1Char('\n') + m_caption.mid(gap).trimmed();
        } else {
            const QStringList words = m_caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QString first;
            int split = 0;
            while (split < words.size()) {
                const QString longer = first.isEmpty() ? words.at(split)
                                                       : first + QLatin1Char(' ') + words.at(split);
                if (!first.isEmpty() && metrics.horizontalAdvance(longer) > room)
                    break;
                first = longer;
                ++split;
            }
            if (split < words.size())
                shown = first + QLatin1Char('\n') + words.mid(split).join(QLatin1Char(' '));
        }
    }
    setText(shown);
}

void RibbonControl::setDescriptionText(const QString &text)
{
    m_description = text;
    setToolTip(text);
}

void RibbonControl::setFlags(int flags)
{
    m_flags = flags;
    // Right-aligned controls of the tab row move to its right end.
    if (parentWidget() == m_ribbon->m_tabRow) {
        m_ribbon->m_tabRowLeft->removeWidget(this);
        m_ribbon->m_tabRowRight->removeWidget(this);
        (flags & 1 ? m_ribbon->m_tabRowRight : m_ribbon->m_tabRowLeft)->addWidget(this);
    }
}

void RibbonControl::setDisplayStyle(int style)
{
    m_displayStyle = style;
    if (style == 3) {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(smallIcon, smallIcon));
        applyWidth();
    }
}

void RibbonControl::setCommandChecked(bool checked)
{
    setCheckable(true);
    setChecked(checked);
}

void RibbonControl::setCommandIcon(const QIcon &icon)
{
    setIcon(icon);
}

// ---- RibbonGroup ----

RibbonGroup::RibbonGroup(Ribbon *ribbon, const QString &caption, int id, QWidget *parent)
    : QFrame(parent)
    , m_ribbon(ribbon)
    , m_id(id)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("ribbonGroup"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 3, 4, 1);
    outer->setSpacing(1);
    m_controlsLayout = new QGridLayout;
    m_controlsLayout->setContentsMargins(0, 0, 0, 0);
    m_controlsLayout->setSpacing(1);
    outer->addLayout(m_controlsLayout, 1);
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("ribbonGroupCaption"));
    label->setAlignment(Qt::AlignCenter);
    outer->addWidget(label);
}

RibbonControl *RibbonGroup::AddControl(int kind, int id, const QString &caption)
{
    auto *control = new RibbonControl(m_ribbon, kind, id, caption, this);
    control->setIcon(m_ribbon->m_icons.value(id));
    m_controls.append(control);
    m_ribbon->m_controls.insert(id, control);
    placeControl(control);
    return control;
}

void RibbonGroup::setCompact(bool compact)
{
    m_compact = compact;
    for (RibbonControl *control : std::as_const(m_controls))
        m_controlsLayout->removeWidget(control);
    for (RibbonControl *control : std::as_const(m_controls))
        placeControl(control);
}

void RibbonGroup::placeControl(RibbonControl *control)
{
    const int index = int(m_controls.indexOf(control));
    if (m_compact) {
        control->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        control->setIconSize(QSize(smallIcon, smallIcon));
        m_controlsLayout->addWidget(control, index % controlRows, index / controlRows);
    } else {
        control->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        control->setIconSize(QSize(largeIcon, largeIcon));
        control->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        m_controlsLayout->addWidget(control, 0, index);
    }
    control->applyWidth();
}

// ---- RibbonTab ----

RibbonTab::RibbonTab(Ribbon *ribbon, QWidget *parent)
    : QWidget(parent)
    , m_ribbon(ribbon)
{
    setObjectName(QStringLiteral("ribbonTab"));
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(4, 2, 4, 2);
    m_layout->setSpacing(3);
    m_layout->addStretch(1);
}

RibbonGroup *RibbonTab::AddGroup(const QString &caption, int id)
{
    auto *group = new RibbonGroup(m_ribbon, caption, id, this);
    m_layout->insertWidget(m_layout->count() - 1, group);
    m_ribbon->m_groups.insert(id, group);
    return group;
}

QSize RibbonTab::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(QSize(0, tallestGroup()));
}

QSize RibbonTab::minimumSizeHint() const
{
    return QWidget::minimumSizeHint().expandedTo(QSize(0, tallestGroup()));
}

// Groups that only show on some pages count too: a page that shows a taller one must not make
// the ribbon grow.
int RibbonTab::tallestGroup() const
{
    int tallest = 0;
    for (RibbonGroup *group : findChildren<RibbonGroup *>(Qt::FindDirectChildrenOnly)) {
        group->ensurePolished();
        tallest = qMax(tallest, group->sizeHint().height());
    }
    const QMargins margins = m_layout->contentsMargins();
    return tallest + margins.top() + margins.bottom();
}

// ---- Ribbon ----

Ribbon::Ribbon(QWidget *window, const QString &caption)
    : QWidget(window)
    , m_window(window)
    , m_caption(caption)
{
    setObjectName(QStringLiteral("ribbon"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("ribbonTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_tabs);

    m_tabRow = new QWidget(this);
    m_tabRow->setObjectName(QStringLiteral("ribbonTabRow"));
    auto *row = new QHBoxLayout(m_tabRow);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(2);
    m_tabRowLeft = new QHBoxLayout;
    m_tabRowRight = new QHBoxLayout;
    row->addLayout(m_tabRowLeft);
    row->addStretch(1);
    row->addLayout(m_tabRowRight);
    m_tabs->setCornerWidget(m_tabRow, Qt::TopRightCorner);

    qApp->installEventFilter(this);
}

Ribbon::~Ribbon()
{
    // A window left for static clean-up may outlive the application object.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

RibbonTab *Ribbon::InsertTab(int position, const QString &caption)
{
    auto *tab = new RibbonTab(this, m_tabs);
    m_tabs->insertTab(position, tab, caption);
    return tab;
}

RibbonControl *Ribbon::AddTabRowControl(int kind, int id, const QString &caption)
{
    auto *control = new RibbonControl(this, kind, id, caption, m_tabRow);
    control->setIcon(m_icons.value(id));
    control->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_tabRowLeft->addWidget(control);
    m_controls.insert(id, control);
    return control;
}

void Ribbon::AddShortcut(int flags, int keyCode, int id)
{
    const QKeySequence sequence = shortcutSequence(flags, keyCode);
    if (sequence.isEmpty())
        return;
    auto *shortcut = new QShortcut(sequence, m_window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [this, id] { execute(id); });
    m_shortcuts.append(shortcut);
}

void Ribbon::setCommandIcon(int id, const QIcon &icon)
{
    m_icons.insert(id, icon);
    if (RibbonControl *control = m_controls.value(id))
        control->setCommandIcon(icon);
    if (QAction *item = m_items.value(id))
        item->setIcon(icon);
}

// Edit fields claim some control keys for themselves (Ctrl+K deletes to the line's end); the
// program's shortcuts win inside its window.
bool Ribbon::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window->window())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QShortcut *shortcut : std::as_const(m_shortcuts)) {
        if (shortcut->key() == pressed) {
            event->ignore();
            return true;
        }
    }
    return false;
}

// ---- RibbonStatusBar ----

RibbonStatusBar::RibbonStatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("ribbonStatus"));
    setSizeGripEnabled(false);
}

void RibbonStatusBar::AddPane(int id)
{
    auto *pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("statusPane%1").arg(id));
    pane->setContentsMargins(6, 0, 6, 0);
    addWidget(pane, 0);
    m_panes.append(pane);
    m_ids.append(id);
}

QString RibbonStatusBar::PaneText(int position) const
{
    const QLabel *pane = m_panes.value(position);
    return pane ? pane->text() : QString();
}

void RibbonStatusBar::setPaneText(int position, const QString &text)
{
    if (QLabel *pane = m_panes.value(position))
        pane->setText(text);
}

void RibbonStatusBar::setPaneWidth(int position, int pixels)
{
    if (QLabel *pane = m_panes.value(position))
        pane->setMinimumWidth(pixels);
}

void RibbonStatusBar::setPaneStyle(int position, int style)
{
    QLabel *pane = m_panes.value(position);
    if (!pane)
        return;
    if (style & 0x8000000) {
        removeWidget(pane);
        insertWidget(int(position), pane, 1);
        pane->show();
    }
}

} // namespace kx
