// The pop-up notice window: a frameless box at the bottom right that closes when clicked.
#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace kx {

class PopupControl;

// One line of the pop-up, placed by a rectangle in the pop-up's own units (pixels from its
// top-left corner); a right or bottom edge beyond the box means "as far as the box goes".
class PopupItem
{
public:
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QString caption;
    bool bold = false;
    bool clickable = true;
    QPixmap icon;

    void PopupItemBold(bool on) { bold = on; }
    void PopupItemClickable(bool on) { clickable = on; }
    // The second argument is the picture's kind in the original control; only pictures exist.
    void PopupItemSetIcon(const QPixmap &picture, int kind = 1);
};

class PopupControl : public QWidget
{
    Q_OBJECT
public:
    explicit PopupControl(QWidget *parent = nullptr);
    ~PopupControl() override;

    int PopupState = 0;

    void PopupClear();
    int PopupDisplayState() const;
    void PopupClose();
    PopupItem *PopupAddItem(int left, int top, int right, int bottom, const QString &caption);
    // Shows the items near the bottom right of the anchor (or of the screen), without taking
    // the focus from the window being typed in.
    void PopupShow();

    // How long a notice stays when nobody clicks it.
    int displayTime() const { return m_hideTimer.interval(); }
    void setDisplayTime(int milliseconds) { m_hideTimer.setInterval(milliseconds); }
    // The window the pop-up sits at the corner of; the screen when none is set or visible.
    void setAnchor(QWidget *anchor) { m_anchor = anchor; }

    const QList<PopupItem *> &items() const { return m_items; }
    // Where each item lands once the lines above it took their real height.
    QList<QRect> itemRects() const;

signals:
    void closedByClick();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void hangUnder(QWidget *owner);
    void followModalWindow();
    QList<QRect> layoutItems(int boxWidth) const;
    QSize boxSize() const;
    QFont itemFont(const PopupItem &item) const;

    QList<PopupItem *> m_items;
    QTimer m_hideTimer;
    QPointer<QWidget> m_anchor;
    QPointer<QWidget> m_typingWindow;
};

// The drawn icons of the notices: 1 success, 2 error or refusal; any other index is empty.
QPixmap popupIcon(int index);

} // namespace kx
