// What the four panels share.
#include "panels/panel_base.h"

#include "panels/xmod.h"
#include "platform/combo_box.h"
#include "platform/date_field.h"
#include "platform/focus.h"
#include "platform/letter_fold.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <atomic>

namespace kx::belgepano {

namespace {

std::atomic<int> livePanels { 0 };

bool isEnterKey(const QEvent *event)
{
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

int tabIndexOf(const QWidget *child)
{
    return child->property("TabIndex").toInt();
}

void sendTab(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

PanelBase::PanelBase(int widthTwips, int heightTwips, QWidget *parent)
    : QWidget(parent)
{
    ++livePanels;
    // The one face of the program's windows; the layouts below were laid out for its widths.
    setFont(uiFont());
    // Option and check captions begin with a blank of their own, and their widths leave no room
    // for a wide gap after the box.
    setStyleSheet(QStringLiteral("QRadioButton, QCheckBox { spacing: 1px; }"
                                 "QRadioButton::indicator, QCheckBox::indicator"
                                 " { width: 13px; height: 13px; }"));
    // Fixed: whatever size the host asks for, the panel keeps its own.
    setFixedSize(twipsSize(widthTwips, heightTwips));
}

PanelBase::~PanelBase()
{
    --livePanels;
}

int PanelBase::liveCount()
{
    return livePanels.load();
}

void PanelBase::placeChild(QWidget *child, const char *name, int tabIndex, int left, int top,
                           int width, int height)
{
    child->setObjectName(QString::fromLatin1(name));
    child->setProperty("TabIndex", tabIndex);
    child->setGeometry(twipsRect(left, top, width, height));
    orderedChildren.append(child);
}

QLabel *PanelBase::addCaption(QWidget *parent, int index, const QString &caption, int left, int top,
                              int width, int height)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("LabeL"));
    label->setProperty("Index", index);
    label->setGeometry(twipsRect(left, top, width, height));
    // The run of hyphens is a leader: whatever does not fit is cut at the label's edge.
    label->setWordWrap(false);
    return label;
}

void PanelBase::addDocumentCaptions(std::initializer_list<Caption> captions, int infoTop)
{
    for (const Caption &caption : captions)
        addCaption(this, caption.index, QString::fromUtf8(caption.text), caption.left,
                   caption.rowTop + 45, 1215, 255);
    addCaption(this, 99, QStringLiteral("Bilgi -------------------"), CaptionLeftColumn, infoTop,
               1215, 315);
}

void PanelBase::fillPrintCopies(ComboBox *combo)
{
    for (int copies = 0; copies <= 5; ++copies)
        combo->AddItem(QStringLiteral("Yazıcı kopya sayısı : ") + QString::number(copies));
}

void PanelBase::mirrorInfo(QLineEdit *info, QLabel *line)
{
    info->hide();
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    QPalette red = line->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    line->setPalette(red);
    connect(info, &QLineEdit::textChanged, line, &QLabel::setText);
}

void PanelBase::followDocumentDate(DateField *document, DateField *dispatch)
{
    connect(document, &DateField::LostFocus, dispatch,
            [document, dispatch] { dispatch->setDateText(document->DateText()); });
}

void PanelBase::selectAllOnFocus(const QList<QLineEdit *> &fields)
{
    for (QLineEdit *field : fields)
        kx::selectAllOnFocus(field);
}

void PanelBase::foldWhileTyping(const QList<ComboBox *> &combos)
{
    for (ComboBox *combo : combos) {
        // Completion and choice compare the list the way the letters are typed, and pasted
        // text comes in as typed letters do.
        combo->setTypedFold(&UpperAsciiChar);
        foldPastedText(combo, &UpperAsciiChar);
        foldTargets.append(combo);
        if (combo->lineEdit())
            foldTargets.append(combo->lineEdit());
    }
}

void PanelBase::setEnterRule(int bound, const QString &addField, const QString &barcodeField)
{
    enterBound = bound;
    addFieldName = addField;
    barcodeFieldName = barcodeField;
}

void PanelBase::finishSetUp()
{
    std::stable_sort(orderedChildren.begin(), orderedChildren.end(),
                     [](QWidget *a, QWidget *b) { return tabIndexOf(a) < tabIndexOf(b); });
    QWidget *previous = nullptr;
    for (QWidget *child : orderedChildren) {
        if (child->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, child);
        previous = child;
    }
    // The panel sees every key and focus change of its children before they do.
    const QList<QWidget *> all = findChildren<QWidget *>();
    for (QWidget *widget : all)
        widget->installEventFilter(this);
}

QWidget *PanelBase::activeChild() const
{
    for (QWidget *widget = QApplication::focusWidget(); widget && widget != this;
         widget = widget->parentWidget()) {
        if (widget->property("TabIndex").isValid() && isAncestorOf(widget))
            return widget;
    }
    return nullptr;
}

bool PanelBase::handleEnter()
{
    // A completed entry is chosen, with its event, before anything reads the choice.
    if (ComboBox *combo = ComboBox::of(QApplication::focusWidget()); combo && isAncestorOf(combo))
        combo->chooseTypedEntry();
    // The active child is read anew before each step: a host handler may move the focus.
    if (QWidget *active = activeChild();
        active && !addFieldName.isEmpty() && active->objectName() == addFieldName)
        addFieldEntered();
    if (QWidget *active = activeChild();
        active && !barcodeFieldName.isEmpty() && active->objectName() == barcodeFieldName)
        barcodeEntered();
    if (QWidget *active = activeChild(); active && tabIndexOf(active) < enterBound) {
        if (QWidget *target = QApplication::focusWidget())
            sendTab(target);
    }
    return true;
}

bool PanelBase::foldKey(QObject *watched, QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    QString text = key->text();
    if (text.isEmpty())
        return false;
    QString folded = text;
    for (QChar &c : folded)
        UpperAsciiChar(c);
    if (folded == text)
        return false;
    // The combo gets the folded letter in place of the typed one.
    QKeyEvent replacement(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                          key->nativeVirtualKey(), key->nativeModifiers(), folded,
                          key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
}

bool PanelBase::eventFilter(QObject *watched, QEvent *event)
{
    // A combo's open list is a window of its own: its keys are the list's, Enter picks there.
    if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() != window())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Enter with Shift, Ctrl or Alt stays a key for the panel, never a window shortcut.
        if (enterBound >= 0 && isEnterKey(event)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (enterBound >= 0 && isEnterKey(event))
            return handleEnter();
        if (foldTargets.contains(watched))
            return foldKey(watched, event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kx::belgepano
