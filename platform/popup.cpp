// The pop-up notice window and its two drawn icons.
#include "platform/popup.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace kx {

namespace {
constexpr int IconSize = 32;
constexpr int MinimumWidth = 300;
constexpr int MaximumWidth = 520;
constexpr int Margin = 12;
constexpr int LineGap = 2;
constexpr int ScreenGap = 8;
constexpr int DefaultDisplayTime = 6000;

// Messages join their lines with CR LF; the painter breaks lines only at LF.
QString displayText(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

void PopupItem::PopupItemSetIcon(const QPixmap &picture, int kind)
{
    Q_UNUSED(kind)
    icon = picture;
}

PopupControl::PopupControl(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                  | Qt::WindowDoesNotAcceptFocus)
{
    // The user goes on typing in the field the notice is about.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setWindowTitle(QStringLiteral("Sistem Mesajı"));
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(DefaultDisplayTime);
    connect(&m_hideTimer, &QTimer::timeout, this, &PopupControl::PopupClose);
}

PopupControl::~PopupControl()
{
    qDeleteAll(m_items);
}

void PopupControl::PopupClear()
{
    qDeleteAll(m_items);
    m_items.clear();
    update();
}

int PopupControl::PopupDisplayState() const
{
    return isVisible() ? 1 : 0;
}

void PopupControl::PopupClose()
{
    m_hideTimer.stop();
    hide();
}

PopupItem *PopupControl::PopupAddItem(int left, int top, int right, int bottom,
                                      const QString &caption)
{
    auto *item = new PopupItem;
    item->left = left;
    item->top = top;
    item->right = right;
    item->bottom = bottom;
    item->caption = caption;
    m_items.append(item);
    return item;
}

QFont PopupControl::itemFont(const PopupItem &item) const
{
    QFont f = font();
    f.setBold(item.bold);
    f.setUnderline(item.clickable && !item.caption.isEmpty());
    return f;
}

QList<QRect> PopupControl::layoutItems(int boxWidth) const
{
    QList<QRect> rects(m_items.size());
    QList<int> order(m_items.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_items[a]->top < m_items[b]->top; });

    // A message of several lines pushes the items below it down instead of running into them.
    int shift = 0;
    int textBottom = 0;
    int groupStart = 0;
    while (groupStart < order.size()) {
        const int top = m_items[order[groupStart]]->top;
        int y = top + shift;
        if (textBottom > 0 && y < textBottom + LineGap) {
            shift += textBottom + LineGap - y;
            y = textBottom + LineGap;
        }
        int groupEnd = groupStart;
        int groupBottom = textBottom;
        for (; groupEnd < order.size() && m_items[order[groupEnd]]->top == top; ++groupEnd) {
            const PopupItem &item = *m_items[order[groupEnd]];
            if (!item.icon.isNull()) {
                rects[order[groupEnd]] = QRect(item.left, y, IconSize, IconSize);
                continue;
            }
            const int right = item.right >= boxWidth - Margin ? boxWidth - Margin : item.right;
            const int width = std::max(right - item.left, 1);
            const QFontMetrics metrics(itemFont(item));
            int height = metrics
                             .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap,
                                           displayText(item.caption))
                             .height();
            height = std::max(height, metrics.height());
            rects[order[groupEnd]] = QRect(item.left, y, width, height);
            groupBottom = std::max(groupBottom, y + height);
        }
        textBottom = groupBottom;
        groupStart = groupEnd;
    }
    return rects;
}

QSize PopupControl::boxSize() const
{
    int width = MinimumWidth;
    for (const PopupItem *item : m_items) {
        if (!item->icon.isNull()) {
            width = std::max(width, item->left + IconSize + Margin);
            continue;
        }
        const QFontMetrics metrics(itemFont(*item));
        int widest = 0;
        for (const QString &line : displayText(item->caption).split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        width = std::max(width, item->left + widest + Margin + 1);
    }
    width = std::min(width, MaximumWidth);
    int height = 0;
    for (const QRect &r : layoutItems(width))
        height = std::max(height, r.bottom() + 1);
    return QSize(width, height + Margin);
}

QList<QRect> PopupControl::itemRects() const
{
    return layoutItems(width());
}

void PopupControl::PopupShow()
{
    resize(boxSize());

    QRect area;
    if (m_anchor && m_anchor->isVisible() && !m_anchor->isMinimized())
        area = m_anchor->window()->geometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    move(area.right() - width() - ScreenGap + 1, area.bottom() - height() - ScreenGap + 1);

    if (QWidget *active = QApplication::activeWindow(); active && active != this)
        m_typingWindow = active;

    QWidget *owner = QApplication::activeModalWidget();
    if (!owner && m_anchor)
        owner = m_anchor->window();
    hangUnder(owner);
    show();
    raise();
    update();
    m_hideTimer.start();
}

void PopupControl::hangUnder(QWidget *owner)
{
    // A modal window blocks every window outside its own family; hanging the notice under the
    // modal one keeps it clickable without making it a child that dies with that window.
    create();
    QWindow *handle = windowHandle();
    if (!handle)
        return;
    if (owner && owner->window() != this) {
        owner->window()->winId();
        handle->setTransientParent(owner->window()->windowHandle());
    } else {
        handle->setTransientParent(nullptr);
    }
}

void PopupControl::followModalWindow()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!isVisible() || !modal || modal->window() == this)
        return;
    // Qt settles whether a window is blocked when it is shown, so the notice is shown anew
    // under the question; the user goes on typing in the question, not in the window behind.
    m_typingWindow = modal->window();
    hangUnder(modal);
    hide();
    show();
    raise();
}

bool PopupControl::event(QEvent *event)
{
    // A question opened while the notice is on screen would leave it unclickable behind the
    // question's modality; once the question is up, the notice joins it.
    if (event->type() == QEvent::WindowBlocked && isVisible())
        QMetaObject::invokeMethod(this, &PopupControl::followModalWindow, Qt::QueuedConnection);
    // Some platforms and window managers activate every window shown, whatever its hints say;
    // the window the user was typing in gets the keyboard back at once.
    if (event->type() == QEvent::WindowActivate && m_typingWindow && m_typingWindow->isVisible())
        m_typingWindow->activateWindow();
    return QWidget::event(event);
}

void PopupControl::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0xfb, 0xfc, 0xfe));
    background.setColorAt(1, QColor(0xdd, 0xe4, 0xee));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(0x5a, 0x67, 0x78));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QList<QRect> rects = itemRects();
    for (int i = 0; i < m_items.size(); ++i) {
        const PopupItem &item = *m_items[i];
        if (!item.icon.isNull()) {
            painter.drawPixmap(rects[i], item.icon);
            continue;
        }
        painter.setFont(itemFont(item));
        painter.setPen(item.clickable ? QColor(0x1a, 0x4f, 0xa8) : QColor(0x1b, 0x1f, 0x26));
        painter.drawText(rects[i], Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                         displayText(item.caption));
    }
}

void PopupControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    PopupClose();
    emit closedByClick();
}

void PopupControl::enterEvent(QEnterEvent *event)
{
    // A notice being read stays until the pointer leaves it.
    m_hideTimer.stop();
    QWidget::enterEvent(event);
}

void PopupControl::leaveEvent(QEvent *event)
{
    if (isVisible())
        m_hideTimer.start();
    QWidget::leaveEvent(event);
}

QPixmap popupIcon(int index)
{
    if (index != 1 && index != 2)
        return {};
    QPixmap picture(IconSize, IconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = index == 1 ? QColor(0x2e, 0x9d, 0x4a) : QColor(0xd0, 0x33, 0x2b);
    painter.setPen(QPen(face.darker(130), 1.5));
    painter.setBrush(face);
    painter.drawEllipse(QRectF(1.5, 1.5, IconSize - 3, IconSize - 3));
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (index == 1) {
        QPainterPath tick;
        tick.moveTo(9, 16.5);
        tick.lineTo(14, 21.5);
        tick.lineTo(23, 11);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(11, 11), QPointF(21, 21));
        painter.drawLine(QPointF(21, 11), QPointF(11, 21));
    }
    return picture;
}

} // namespace kx
