// A tab strip whose pages are sets of child widgets placed directly on the strip.
#pragma once

#include <QList>
#include <QTabBar>
#include <QWidget>

namespace kx {

// The strip shows its tabs along the top and, below them, the children of the selected page
// only. Children are ordinary child widgets of the strip, placed by the caller and assigned to a
// page with AddChild().
//
// SelectedChanged(index) follows every change of the selection, by code or by the user.
// SelectedChanging(index, cancel) comes before a switch that the user starts with a click
// (the wheel does not switch pages); setting *cancel to true keeps the current page.
// setSelectedIndex() never asks.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    int AddPage(const QString &caption);
    void AddChild(int page, QWidget *child);

    int TabCount() const;
    QString TabCaption(int page) const;
    void setTabCaption(int page, const QString &caption);
    // A hidden tab keeps its page; it only cannot be seen or clicked.
    void setTabShown(int page, bool shown);

    int SelectedIndex() const;
    // Selects page (0 .. TabCount() - 1); returns false and changes nothing for another value.
    bool setSelectedIndex(int page);

    // The page a child was added to, or -1.
    int PageOf(const QWidget *child) const;

signals:
    void SelectedChanged(int page);
    void SelectedChanging(int page, bool *cancel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSelectedPage();
    bool userMayLeaveFor(int page);

    QTabBar *bar;
    QList<QList<QWidget *>> pages;
    // Captions or shown tabs changed while the strip was hidden: QTabBar may keep the old
    // tab sizes (a hidden tab left hidden clears its note that the sizes are stale).
    bool barLayoutStale = false;
};

} // namespace kx
