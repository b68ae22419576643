// The ribbon, its groups and command controls, keyboard shortcuts and the status bar panes.
#pragma once

#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QStatusBar>
#include <QToolButton>

class QAction;
class QBoxLayout;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QMenu;
class QShortcut;
class QTabWidget;

namespace kx {

class Ribbon;

// Control kinds of the command bars.
enum RibbonControlKind {
    ControlButton = 1, // runs its command
    ControlPopup = 3, // only opens its list
    ControlSplitButton = 4, // the button runs its command, the arrow opens the list
};

// Modifier flags of a shortcut.
enum RibbonKeyFlags { KeyShift = 4, KeyCtrl = 8, KeyAlt = 16 };

// One command control: a button, a drop-down button or a split button.
class RibbonControl : public QToolButton
{
    Q_OBJECT

public:
    RibbonControl(Ribbon *ribbon, int kind, int id, const QString &caption, QWidget *parent);

    int Id() const { return m_id; }
    int Kind() const { return m_kind; }
    QString Caption() const { return m_caption; }
    // Adds an item to the control's drop-down list; the item runs its own command id.
    QAction *AddItem(int id, const QString &caption);
    QList<QAction *> items() const;

    // Width in pixels, rounded; the least width of a button with its caption beside the icon.
    void setWidth(double pixels);
    // The second text member: the hint shown on hover. Empty shows none.
    QString DescriptionText() const { return m_description; }
    void setDescriptionText(const QString &text);
    // Flags 1: placed at the right end of the tab row.
    int Flags() const { return m_flags; }
    void setFlags(int flags);
    // Display style 3: icon with the caption beside it.
    int DisplayStyle() const { return m_displayStyle; }
    void setDisplayStyle(int style);
    bool CommandChecked() const { return isChecked(); }
    void setCommandChecked(bool checked);
    void setCommandIcon(const QIcon &icon);
    void updateDisplayText();
    void applyWidth();

private:
    void syncUnderMouse();

    Ribbon *m_ribbon;
    int m_kind;
    int m_id;
    QString m_caption;
    QString m_description;
    int m_flags = 0;
    int m_displayStyle = 0;
    int m_width = 0;
    QMenu *m_menu = nullptr;
};

// A captioned group of controls on a tab.
class RibbonGroup : public QFrame
{
    Q_OBJECT

public:
    RibbonGroup(Ribbon *ribbon, const QString &caption, int id, QWidget *parent);
    int Id() const { return m_id; }
    QString Caption() const { return m_caption; }
    RibbonControl *AddControl(int kind, int id, const QString &caption);
    QList<RibbonControl *> controls() const { return m_controls; }
    // Compact groups stack their controls three to a column with small icons.
    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }

private:
    void placeControl(RibbonControl *control);

    Ribbon *m_ribbon;
    int m_id;
    QString m_caption;
    bool m_compact = false;
    QGridLayout *m_controlsLayout;
    QList<RibbonControl *> m_controls;
};

class RibbonTab : public QWidget
{
    Q_OBJECT

public:
    RibbonTab(Ribbon *ribbon, QWidget *parent);
    RibbonGroup *AddGroup(const QString &caption, int id);
    // Tall enough for every group, shown or hidden, so the ribbon keeps one height.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int tallestGroup() const;

    Ribbon *m_ribbon;
    QHBoxLayout *m_layout;
};

// The ribbon: tabs of groups, a tab row with its own controls, and the shortcuts of its window.
// Every control, list item and shortcut reports through Execute with its command id.
class Ribbon : public QWidget
{
    Q_OBJECT

public:
    // window receives the shortcuts; caption names the ribbon.
    Ribbon(QWidget *window, const QString &caption);
    ~Ribbon() override;

    QString Caption() const { return m_caption; }
    RibbonTab *InsertTab(int position, const QString &caption);
    // A control on the tab row, beside the tab captions.
    RibbonControl *AddTabRowControl(int kind, int id, const QString &caption);

    // The control of a command, nullptr for list items and unknown ids.
    RibbonControl *CommandById(int id) const { return m_controls.value(id); }
    // The list item of a command, nullptr when it is not a list item.
    QAction *ItemById(int id) const { return m_items.value(id); }
    RibbonGroup *FindGroup(int id) const { return m_groups.value(id); }

    // flags: KeyCtrl, KeyAlt, KeyShift or 0; keyCode: the upper-case character code of a letter
    // or digit, or 112 + n for the function key F(n + 1).
    void AddShortcut(int flags, int keyCode, int id);
    QList<QShortcut *> shortcuts() const { return m_shortcuts; }

    // Gives the command ids their icons.
    void setCommandIcon(int id, const QIcon &icon);

    // Runs a command as if its control had been clicked.
    void execute(int id) { emit Execute(id); }

signals:
    void Execute(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class RibbonControl;
    friend class RibbonGroup;
    friend class RibbonTab;

    QWidget *m_window;
    QString m_caption;
    QTabWidget *m_tabs;
    QWidget *m_tabRow;
    QHBoxLayout *m_tabRowLeft;
    QHBoxLayout *m_tabRowRight;
    QHash<int, RibbonControl *> m_controls;
    QHash<int, QAction *> m_items;
    QHash<int, RibbonGroup *> m_groups;
    QHash<int, QIcon> m_icons;
    QList<QShortcut *> m_shortcuts;
};

// The status bar with numbered panes; pane positions count from 0 in the order added.
class RibbonStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit RibbonStatusBar(QWidget *parent = nullptr);
    void AddPane(int id);
    int PaneCount() const { return int(m_panes.size()); }
    QString PaneText(int position) const;
    void setPaneText(int position, const QString &text);
    void setPaneWidth(int position, int pixels);
    // Style 0x8000000: the pane stretches over the free room.
    void setPaneStyle(int position, int style);
    QLabel *pane(int position) const { return m_panes.value(position); }

private:
    QList<QLabel *> m_panes;
    QList<int> m_ids;
};

// A Qt key sequence for the command bars' (flags, key code) pair.
QKeySequence shortcutSequence(int flags, int keyCode);

} // namespace kx
