// A tab strip whose pages are sets of child widgets.
#include "platform/tab_strip.h"

#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace kx {

TabStrip::TabStrip(QWidget *parent)
    : QWidget(parent)
    , bar(new QTabBar(this))
{
    bar->setDrawBase(false);
    bar->setExpanding(false);
    // The strip is no stop on the Tab walk through a form's fields.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->installEventFilter(this);
    connect(bar, &QTabBar::currentChanged, this, [this](int page) {
        showSelectedPage();
        emit SelectedChanged(page);
    });
}

int TabStrip::AddPage(const QString &caption)
{
    pages.append(QList<QWidget *>());
    return bar->addTab(caption);
}

void TabStrip::AddChild(int page, QWidget *child)
{
    if (page < 0 || page >= pages.size())
        return;
    if (child->parentWidget() != this)
        child->setParent(this);
    pages[page].append(child);
    child->setVisible(page == SelectedIndex());
}

int TabStrip::TabCount() const
{
    return bar->count();
}

QString TabStrip::TabCaption(int page) const
{
    return bar->tabText(page);
}

void TabStrip::setTabCaption(int page, const QString &caption)
{
    bar->setTabText(page, caption);
    if (!bar->isVisible())
        barLayoutStale = true;
}

void TabStrip::setTabShown(int page, bool shown)
{
    bar->setTabVisible(page, shown);
    if (!bar->isVisible())
        barLayoutStale = true;
}

int TabStrip::SelectedIndex() const
{
    return bar->currentIndex();
}

bool TabStrip::setSelectedIndex(int page)
{
    if (page < 0 || page >= bar->count())
        return false;
    bar->setCurrentIndex(page);
    return true;
}

int TabStrip::PageOf(const QWidget *child) const
{
    for (int page = 0; page < pages.size(); ++page) {
        if (pages.at(page).contains(child))
            return page;
    }
    return -1;
}

void TabStrip::showSelectedPage()
{
    const int selected = SelectedIndex();
    // Hide first, so that the focus never lands on a child of the page being left.
    for (int page = 0; page < pages.size(); ++page) {
        if (page != selected) {
            for (QWidget *child : pages.at(page))
                child->hide();
        }
    }
    if (selected >= 0 && selected < pages.size()) {
        for (QWidget *child : pages.at(selected))
            child->show();
    }
}

bool TabStrip::userMayLeaveFor(int page)
{
    if (page < 0 || page == SelectedIndex())
        return true;
    bool cancel = false;
    emit SelectedChanging(page, &cancel);
    return !cancel;
}

bool TabStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != bar)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return !userMayLeaveFor(bar->tabAt(mouse->position().toPoint()));
    }
    case QEvent::Wheel:
        // A wheel turn over the tabs would step through the pages without asking.
        return true;
    case QEvent::Show:
        // Setting a caption again lays every tab out anew, now that the strip shows.
        if (barLayoutStale && bar->currentIndex() >= 0) {
            barLayoutStale = false;
            bar->setTabText(bar->currentIndex(), bar->tabText(bar->currentIndex()));
        }
        return false;
    default:
        return false;
    }
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    bar->setGeometry(0, 0, width(), bar->sizeHint().height());
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = bar->sizeHint().height() - 1;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.tabBarSize = bar->sizeHint();
    frame.shape = bar->shape();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace kx
