// The pop-up notice, the Yes/No question, the Turkish dialog texts and the input dialog.
#include "core/input_dialog.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/translations.h"
#include "platform/popup.h"
#include "tests/support/clicking.h"
#include "tests/support/kxtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <functional>
#include <memory>

using namespace kx;

namespace {

const QString PermissionText
    = QStringLiteral("Kantarix'nin kurulu olduğu ana bilgisayardaki ayarlara göre;\r\n"
                     "bu menüye erişim izniniz bulunmamaktadır!");

QList<PopupControl *> visiblePopups()
{
    QList<PopupControl *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<PopupControl *>(w); popup && popup->isVisible())
            found.append(popup);
    }
    return found;
}

PopupItem *itemWithCaption(PopupControl *popup, const QString &caption)
{
    for (PopupItem *item : popup->items()) {
        if (item->caption == caption)
            return item;
    }
    return nullptr;
}

PopupItem *iconItem(PopupControl *popup)
{
    for (PopupItem *item : popup->items()) {
        if (!item->icon.isNull())
            return item;
    }
    return nullptr;
}

// Runs once the next modal window is up, so a test can answer it like a user would.
void whenModalShows(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            whenModalShows(answer);
            return;
        }
        answer(modal);
    });
}

QString plainText(QAbstractButton *button)
{
    return button ? button->text().remove(QLatin1Char('&')) : QString();
}

} // namespace

class TestSystemMessage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetState();
        messageScript().clear();
    }
    void cleanup() { Pop1()->PopupClose(); }

    void secondMessageReplacesFirst()
    {
        ShowSystemMessage(QStringLiteral("Kayıt oluşturuldu..."), IconSuccess);
        ShowSystemMessage(QStringLiteral("Kayıt adını giriniz!"), IconError);

        const QList<PopupControl *> shown = visiblePopups();
        QCOMPARE(shown.size(), 1);
        PopupControl *popup = shown.first();
        QCOMPARE(popup->items().size(), 4);
        QVERIFY(itemWithCaption(popup, QStringLiteral("Kayıt adını giriniz!")));
        QVERIFY(!itemWithCaption(popup, QStringLiteral("Kayıt oluşturuldu...")));
        QCOMPARE(iconItem(popup)->icon.toImage(), popupIcon(IconError).toImage());
        QCOMPARE(messageScript().lastPopupText(), QStringLiteral("Kayıt adını giriniz!"));
    }

    void itemsAndLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("empty message") << QString() << int(IconSuccess);
        QTest::newRow("one line") << QStringLiteral("Belge kaydedildi...") << int(IconSuccess);
        QTest::newRow("two lines") << PermissionText << int(IconError);
        QTest::newRow("five lines")
            << QStringLiteral("bir\r\niki\r\nüç\r\ndört\r\nbeş") << int(IconError);
        QTest::newRow("long line wraps")
            << QStringLiteral("Çok uzun bir açıklama ").repeated(12) << int(IconError);
    }
    void itemsAndLayout()
    {
        QFETCH(QString, text);
        QFETCH(int, icon);
        ShowSystemMessage(text, icon);
        PopupControl *popup = Pop1();
        QVERIFY(popup->isVisible());

        PopupItem *title = itemWithCaption(popup, QStringLiteral("Sistem Mesajı"));
        QVERIFY(title);
        QVERIFY(title->bold);
        QVERIFY(!title->clickable);
        PopupItem *closing = itemWithCaption(popup, QStringLiteral("Kapatmak için tıklayınız..."));
        QVERIFY(closing);
        QVERIFY(closing->clickable);
        QCOMPARE(iconItem(popup)->icon.toImage(), popupIcon(icon).toImage());

        // Every line shows: nothing runs into the closing line or out of the box.
        const QList<QRect> rects = popup->itemRects();
        const int message = popup->items().indexOf(itemWithCaption(popup, text));
        const int last = popup->items().indexOf(closing);
        QVERIFY(message >= 0);
        QVERIFY(!rects[message].intersects(rects[last]));
        QVERIFY(rects[message].bottom() < rects[last].top());
        for (const QRect &r : rects)
            QVERIFY2(popup->rect().contains(r), qPrintable(QStringLiteral("item outside the box")));
    }

    void sitsAtTheBottomRight_data()
    {
        QTest::addColumn<bool>("mainWindow");
        QTest::newRow("of the main window") << true;
        QTest::newRow("of the screen") << false;
    }
    void sitsAtTheBottomRight()
    {
        QFETCH(bool, mainWindow);
        QWidget window;
        window.setGeometry(120, 80, 700, 500);
        if (mainWindow) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            state().FMain = &window;
        }
        ShowSystemMessage(QStringLiteral("Belge kaydedildi..."), IconSuccess);
        const QRect area = mainWindow ? window.geometry()
                                      : QGuiApplication::primaryScreen()->availableGeometry();
        const QRect box = Pop1()->geometry();
        QVERIFY(area.contains(box));
        // Close to the corner: within a small margin of the right and bottom edges.
        QVERIFY(area.right() - box.right() <= 16);
        QVERIFY(area.bottom() - box.bottom() <= 16);
        QVERIFY(box.left() > area.center().x());
    }

    void noPermissionNotice()
    {
        ShowNoPermission();
        QCOMPARE(messageScript().shown.size(), 1);
        QCOMPARE(messageScript().shown.first().kind, QStringLiteral("popup"));
        QCOMPARE(messageScript().shown.first().text, PermissionText);
        QCOMPARE(messageScript().shown.first().icon, int(IconError));
        QVERIFY(itemWithCaption(Pop1(), PermissionText));
        QCOMPARE(iconItem(Pop1())->icon.toImage(), popupIcon(IconError).toImage());
    }

    void clickCloses_data()
    {
        QTest::addColumn<QString>("modal");
        QTest::newRow("no other window") << "none";
        QTest::newRow("over a modal window") << "before";
        QTest::newRow("a question opened after the notice") << "after";
        // The login form says "saved" and closes at once; the notice must stay behind it.
        QTest::newRow("the modal window closes and goes") << "gone";
    }
    void clickCloses()
    {
        QFETCH(QString, modal);
        // The main window the questions and forms belong to, as in the program.
        QWidget main;
        main.setGeometry(100, 100, 800, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        state().FMain = &main;
        auto question = std::make_unique<QDialog>(&main);
        question->setWindowModality(Qt::ApplicationModal);
        auto openQuestion = [&question] {
            question->show();
            QVERIFY(QTest::qWaitForWindowExposed(question.get()));
        };
        if (modal == QLatin1String("before") || modal == QLatin1String("gone"))
            openQuestion();
        ShowSystemMessage(QStringLiteral("Hatalı şifre girişi yaptınız!"), IconError);
        PopupControl *popup = Pop1();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        if (modal == QLatin1String("after")) {
            openQuestion();
            QTest::qWait(50);
            QTRY_VERIFY(popup->isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(popup));
        } else if (modal == QLatin1String("gone")) {
            question->accept();
            question.reset();
            QVERIFY(popup->isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(popup));
        }
        QSignalSpy clicked(popup, &PopupControl::closedByClick);

        // Through the window system, so that a modal window would swallow the click.
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_COMPARE(clicked.size(), 1);
        QVERIFY(!popup->isVisible());
        QCOMPARE(popup->PopupDisplayState(), 0);
    }

    void keepsFocusOfTypedField()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *edit = new QLineEdit(&window);
        layout->addWidget(edit);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("12"));

        ShowSystemMessage(QStringLiteral("Stok miktarı yetersiz"), IconError);
        QVERIFY(QTest::qWaitForWindowExposed(Pop1()));
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(!Pop1()->isActiveWindow());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("34"));
        QCOMPARE(edit->text(), QStringLiteral("1234"));
    }

    void suppressedNoticeIsOnlyRecorded()
    {
        messageScript().suppressNotices = true;
        ShowSystemMessage(QStringLiteral("Belge kaydedildi..."), IconSuccess);
        QCOMPARE(messageScript().lastPopupText(), QStringLiteral("Belge kaydedildi..."));
        QVERIFY(visiblePopups().isEmpty());
    }
};

class TestQuestions : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetState();
        messageScript().clear();
    }

    void answerLandsInMsgResult_data()
    {
        QTest::addColumn<bool>("scripted");
        QTest::addColumn<int>("answer");
        QTest::newRow("scripted yes") << true << int(AnswerYes);
        QTest::newRow("scripted no") << true << int(AnswerNo);
        QTest::newRow("user clicks Evet") << false << int(AnswerYes);
        QTest::newRow("user clicks Hayır") << false << int(AnswerNo);
    }
    void answerLandsInMsgResult()
    {
        QFETCH(bool, scripted);
        QFETCH(int, answer);
        QString caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        if (scripted) {
            messageScript().answers.append(answer);
        } else {
            whenModalShows([&](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QVERIFY(box);
                caption = box->windowTitle();
                icon = box->icon();
                buttons = box->standardButtons();
                box->button(answer == AnswerYes ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        }
        state().MsgResult = 0;
        const bool yes = AskYesNo(QStringLiteral("Kayıt silinsin mi?"));
        QCOMPARE(state().MsgResult, answer);
        QCOMPARE(yes, answer == AnswerYes);
        QCOMPARE(messageScript().shown.last().kind, QStringLiteral("question"));
        if (!scripted) {
            QCOMPARE(caption, QStringLiteral("Kantarix"));
            QCOMPARE(icon, QMessageBox::Question);
            QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }

    // A question taller than the screen (a long service log) keeps its whole text and its
    // buttons in view: the text scrolls inside the box.
    void longQuestionStaysOnScreen_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("short") << 3;
        QTest::newRow("taller than the screen") << 300;
    }
    void longQuestionStaysOnScreen()
    {
        QFETCH(int, lines);
        QStringList text;
        for (int i = 1; i <= lines; ++i)
            text << QStringLiteral("10.12.2026 16:00:00 - Servis kaydı %1").arg(i);
        const QString question = text.join(QStringLiteral("\r\n"));
        QRect box, screen, yes;
        QString shown;
        whenModalShows([&](QWidget *modal) {
            auto *messageBox = qobject_cast<QMessageBox *>(modal);
            QVERIFY(messageBox);
            box = messageBox->frameGeometry();
            screen = messageBox->screen()->availableGeometry();
            QAbstractButton *button = messageBox->button(QMessageBox::Yes);
            yes = QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
            shown = messageBox->text();
            messageBox->button(QMessageBox::No)->click();
        });
        QVERIFY(!AskYesNo(question));
        QCOMPARE(shown, question);
        QVERIFY2(box.height() <= screen.height(), qPrintable(QString::number(box.height())));
        QVERIFY(screen.contains(yes));
    }
};

// A notice is an OK box titled with the program's name and with no icon (the up-to-date
// message, the low-stock warning); a caller may give another title and the information icon.
class TestNotices : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetState();
        messageScript().clear();
    }

    void okBox_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("shownIcon");
        QTest::newRow("plain") << QString() << -1 << "Kantarix" << int(QMessageBox::NoIcon);
        QTest::newRow("titled, information")
            << "Ayarlar" << int(NoticeInformation) << "Ayarlar" << int(QMessageBox::Information);
    }
    void okBox()
    {
        QFETCH(QString, title);
        QFETCH(int, icon);
        QString caption;
        QString text;
        QMessageBox::Icon shownIcon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons;
        whenModalShows([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        const QString message = QStringLiteral("En güncel sürüm kullanımda...");
        if (icon < 0)
            ShowNotice(message);
        else
            ShowNotice(message, title, icon);
        QTEST(caption, "caption");
        QCOMPARE(text, message);
        QTEST(int(shownIcon), "shownIcon");
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(messageScript().shown.last().kind, QStringLiteral("notice"));
    }
};

class TestTurkishDialogs : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { installTurkishTranslations(); }

    void standardButtonsSpeakTurkish_data()
    {
        QTest::addColumn<bool>("catalogueMissing");
        QTest::newRow("Qt's catalogue") << false;
        QTest::newRow("catalogue missing") << true;
    }
    void standardButtonsSpeakTurkish()
    {
        QFETCH(bool, catalogueMissing);
        QTemporaryDir empty;
        const bool found = installTurkishTranslations(catalogueMissing ? empty.path() : QString());
        QCOMPARE(found, !catalogueMissing);

        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok
                               | QMessageBox::Cancel);
        QCOMPARE(plainText(box.button(QMessageBox::Yes)), QStringLiteral("Evet"));
        QCOMPARE(plainText(box.button(QMessageBox::No)), QStringLiteral("Hayır"));
        QCOMPARE(plainText(box.button(QMessageBox::Ok)), QStringLiteral("Tamam"));
        QCOMPARE(plainText(box.button(QMessageBox::Cancel)), QStringLiteral("İptal"));
    }
};

class TestInputBox : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        resetState();
        messageScript().clear();
    }

    void defaultIsSelectedOnFocus_data()
    {
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("default replaced by typing") << QStringLiteral("123") << "9"
                                                    << "9";
        QTest::newRow("empty default") << QString() << "9"
                                       << "9";
    }
    void defaultIsSelectedOnFocus()
    {
        QFETCH(QString, defaultText);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        state().InputDefault = defaultText;
        FInputbox box;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), box.Text1);
        QCOMPARE(box.Text1->selectedText(), defaultText);

        // Coming back to the field by Tab selects again.
        QTest::keyClick(box.Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.BtnA);
        QTest::keyClick(box.BtnA, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.BtnB);
        box.Text1->setFocus(Qt::OtherFocusReason);
        QCOMPARE(box.Text1->selectedText(), defaultText);
        // And so does a click at its end, back from the buttons.
        QTest::keyClick(box.Text1, Qt::Key_Tab);
        kxtest::clickAtCursor(box.Text1, int(defaultText.size()));
        QCOMPARE(QApplication::focusWidget(), box.Text1);
        QCOMPARE(box.Text1->selectedText(), defaultText);

        QTest::keyClicks(box.Text1, typed);
        QCOMPARE(box.Text1->text(), result);
    }

    void closePaths_data()
    {
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::newRow("Enter returns typed text") << "123"
                                                  << "A-1001"
                                                  << "enter"
                                                  << "A-1001";
        QTest::newRow("keypad Enter") << ""
                                      << "77"
                                      << "keypad"
                                      << "77";
        QTest::newRow("Enter keeps the default") << "123"
                                                 << ""
                                                 << "enter"
                                                 << "123";
        QTest::newRow("Enter on empty field") << ""
                                              << ""
                                              << "enter"
                                              << "";
        QTest::newRow("blanks are kept") << ""
                                         << "  a b  "
                                         << "enter"
                                         << "  a b  ";
        QTest::newRow("Tamam button") << ""
                                      << "xyz"
                                      << "tamam"
                                      << "xyz";
        QTest::newRow("Enter with focus on İptal") << ""
                                                   << "k1"
                                                   << "enterOnCancel"
                                                   << "k1";
        QTest::newRow("Esc") << "123"
                             << "abc"
                             << "esc"
                             << "CancelX";
        QTest::newRow("İptal button") << "123"
                                      << "abc"
                                      << "iptal"
                                      << "CancelX";
        QTest::newRow("close box") << "123"
                                   << "abc"
                                   << "closebox"
                                   << "CancelX";
        QTest::newRow("typed CancelX") << ""
                                       << "CancelX"
                                       << "enter"
                                       << "CancelX";
    }
    void closePaths()
    {
        QFETCH(QString, defaultText);
        QFETCH(QString, typed);
        QFETCH(QString, action);
        QFETCH(QString, result);
        state().InputDefault = defaultText;
        state().InputResult = QStringLiteral("önceki");
        FInputbox box;
        QSignalSpy finished(&box, &QDialog::finished);
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        if (!typed.isEmpty())
            QTest::keyClicks(box.Text1, typed);

        if (action == QLatin1String("enter"))
            QTest::keyClick(box.Text1, Qt::Key_Return);
        else if (action == QLatin1String("keypad"))
            QTest::keyClick(box.Text1, Qt::Key_Enter, Qt::KeypadModifier);
        else if (action == QLatin1String("enterOnCancel")) {
            box.BtnB->setFocus();
            QTest::keyClick(box.BtnB, Qt::Key_Return);
        } else if (action == QLatin1String("tamam"))
            QTest::mouseClick(box.BtnA, Qt::LeftButton);
        else if (action == QLatin1String("esc"))
            QTest::keyClick(box.Text1, Qt::Key_Escape);
        else if (action == QLatin1String("iptal"))
            QTest::mouseClick(box.BtnB, Qt::LeftButton);
        else if (action == QLatin1String("closebox"))
            QVERIFY(box.close());

        QCOMPARE(finished.size(), 1);
        QVERIFY(!box.isVisible());
        QCOMPARE(state().InputResult, result);
    }

    void showInputBoxIsModal_data()
    {
        QTest::addColumn<bool>("scripted");
        QTest::newRow("user types") << false;
        QTest::newRow("scripted answer") << true;
    }
    void showInputBoxIsModal()
    {
        QFETCH(bool, scripted);
        QString caption;
        QString prompt;
        QString field;
        if (scripted) {
            messageScript().inputs.append(QStringLiteral("SN-42"));
        } else {
            whenModalShows([&](QWidget *modal) {
                auto *box = qobject_cast<FInputbox *>(modal);
                QVERIFY(box);
                QCOMPARE(state().FInputbox.data(), box);
                caption = box->windowTitle();
                prompt = box->Label1->text();
                field = box->Text1->text();
                QTest::keyClicks(box->Text1, QStringLiteral("SN-42"));
                QTest::keyClick(box->Text1, Qt::Key_Return);
            });
        }
        ShowInputBox(QStringLiteral("Garanti"), QStringLiteral("Seri numarasını giriniz"),
                     QStringLiteral("SN-"));
        // The default is selected, so what the user types replaces it.
        QCOMPARE(state().InputResult, QStringLiteral("SN-42"));
        QCOMPARE(state().InputTitle, QStringLiteral("Garanti"));
        QCOMPARE(state().InputPrompt, QStringLiteral("Seri numarasını giriniz"));
        QCOMPARE(state().InputDefault, QStringLiteral("SN-"));
        QCOMPARE(messageScript().shown.last().kind, QStringLiteral("input"));
        if (!scripted) {
            QCOMPARE(caption, QStringLiteral("Garanti"));
            QCOMPARE(prompt, QStringLiteral("Seri numarasını giriniz"));
            QCOMPARE(field, QStringLiteral("SN-"));
            QTRY_VERIFY(state().FInputbox.isNull());
        }
    }
};

KX_TEST(TestSystemMessage)
KX_TEST(TestQuestions)
KX_TEST(TestNotices)
KX_TEST(TestTurkishDialogs)
KX_TEST(TestInputBox)
#include "tst_messages.moc"
