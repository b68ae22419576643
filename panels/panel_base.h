// What the four panels share: fixed size, child placement, and the focus and key rules.
#pragma once

#include <QList>

#include <QString>
#include <QWidget>
#include <initializer_list>

class QLabel;
class QLineEdit;

namespace kx {
class ComboBox;
class DateField;
} // namespace kx

namespace kx::belgepano {

// The caption labels of the document panels stand in two columns, 45 twips below the top of
// their field's row.
constexpr int CaptionLeftColumn = 0;
constexpr int CaptionRightColumn = 5280;

struct Caption
{
    int index;
    const char *text;
    int left;
    int rowTop;
};

// A panel's children are named after their fields and carry their tab index in the dynamic
// property "TabIndex". The panel declares no properties or signals of its own: each panel class
// declares its own, in its own order, because the host counts them from the meta-object.
class PanelBase : public QWidget
{
    Q_OBJECT
public:
    ~PanelBase() override;

    // Panels alive in this process; the library may be unloaded only when none is.
    static int liveCount();

protected:
    PanelBase(int widthTwips, int heightTwips, QWidget *parent);

    // Names the child, gives it its tab index and places it (twips, relative to its parent).
    template <typename Child>
    Child *place(Child *child, const char *name, int tabIndex, int left, int top, int width,
                 int height)
    {
        placeChild(child, name, tabIndex, left, top, width, height);
        return child;
    }
    // One caption label of the indexed label group "LabeL".
    QLabel *addCaption(QWidget *parent, int index, const QString &caption, int left, int top,
                       int width, int height);
    // The document panels' caption labels (1215 twips wide) and their "Bilgi" label.
    void addDocumentCaptions(std::initializer_list<Caption> captions, int infoTop);
    // The six copy choices of the print combo: index n prints n copies.
    static void fillPrintCopies(ComboBox *combo);
    // The red bold information line that mirrors the hidden field's text.
    void mirrorInfo(QLineEdit *info, QLabel *line);
    // Leaving the document date copies it into the dispatch date, every time.
    void followDocumentDate(DateField *document, DateField *dispatch);
    // Each field selects its whole text when the focus moves into it.
    void selectAllOnFocus(const QList<QLineEdit *> &fields);
    void foldWhileTyping(const QList<ComboBox *> &combos);
    // Enter walks to the next field while the active child's tab index is below bound; the add
    // field and the barcode field (empty names: none) first raise their events.
    void setEnterRule(int bound, const QString &addField, const QString &barcodeField);
    // Chains the focus order by tab index and hooks the key rules into every child; called last
    // by each panel's constructor.
    void finishSetUp();

    virtual void addFieldEntered() { }
    virtual void barcodeEntered() { }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeChild(QWidget *child, const char *name, int tabIndex, int left, int top, int width,
                    int height);
    QWidget *activeChild() const;
    bool handleEnter();
    bool foldKey(QObject *watched, QEvent *event);

    QList<QWidget *> orderedChildren;
    QList<QObject *> foldTargets;
    int enterBound = -1;
    QString addFieldName;
    QString barcodeFieldName;
};

} // namespace kx::belgepano
