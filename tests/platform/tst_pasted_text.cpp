// Text pasted or dropped into a field whose letters are kept folded, by every way it comes in.
#include "core/conversions.h"
#include "platform/combo_box.h"
#include "platform/letter_fold.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString Pasted = QStringLiteral("çağrı ltd. şti.");

// A line edit or an editable combo holding "AB", its caret at the end, with the fold.
struct Form
{
    explicit Form(bool combo)
    {
        auto *layout = new QVBoxLayout(&window);
        if (combo) {
            auto *list = new kx::ComboBox(&window, true);
            list->AddItems({ QStringLiteral("ALFA (1)"), QStringLiteral("BETA (2)") });
            list->setText(QStringLiteral("AB"));
            field = list;
            edit = list->lineEdit();
        } else {
            edit = new QLineEdit(QStringLiteral("AB"), &window);
            field = edit;
        }
        layout->addWidget(field);
        kx::foldPastedText(field, &kx::UpperAsciiChar);
        window.show();
        window.activateWindow();
        ready = QTest::qWaitForWindowActive(&window);
        field->setFocus();
        edit->end(false);
    }

    QWidget window;
    QWidget *field = nullptr;
    QLineEdit *edit = nullptr;
    bool ready = false;
};

} // namespace

class TestPastedText : public QObject
{
    Q_OBJECT

private slots:
    void pastedAndDroppedTextIsFolded_data()
    {
        QTest::addColumn<bool>("combo");
        QTest::addColumn<QString>("how");
        for (bool combo : { false, true }) {
            for (const char *how :
                 { "Ctrl+V", "Shift+Insert", "context menu", "middle button", "drop" })
                QTest::addRow("%s, %s", combo ? "combo" : "line edit", how) << combo << how;
        }
    }
    void pastedAndDroppedTextIsFolded()
    {
        QFETCH(bool, combo);
        QFETCH(QString, how);
        Form form(combo);
        QVERIFY(form.ready);
        QClipboard *clipboard = QApplication::clipboard();
        const QPoint end = kxtest::pointAtCursor(form.edit, int(form.edit->text().size()));
        if (how == u"Ctrl+V") {
            clipboard->setText(Pasted);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"Shift+Insert") {
            clipboard->setText(Pasted);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert, Qt::ShiftModifier);
        } else if (how == u"context menu") {
            clipboard->setText(Pasted);
            kxtest::pasteByContextMenu(form.edit, int(form.edit->text().size()));
        } else if (how == u"middle button") {
            if (!clipboard->supportsSelection())
                QSKIP("no selection clipboard on this platform");
            clipboard->setText(Pasted, QClipboard::Selection);
            QTest::mouseClick(form.edit, Qt::MiddleButton, {}, end);
        } else {
            // A drag from another program enters the field and is let go at its end.
            QMimeData data;
            data.setText(Pasted);
            const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(end, actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(form.edit, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(end, actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(form.edit, &drop);
            QVERIFY(drop.isAccepted());
        }
        QCOMPARE(form.edit->text(), QStringLiteral("ABCAGRI LTD. STI."));
    }
};

KX_TEST(TestPastedText)

#include "tst_pasted_text.moc"
