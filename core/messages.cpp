// Notices, questions, the input dialog and the file dialogs, with the script that tests use in
// their place.
#include "core/messages.h"

#include "core/input_dialog.h"
#include "core/state.h"
#include "platform/popup.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace kx {

MessageScript &messageScript()
{
    static MessageScript script;
    return script;
}

QString MessageScript::lastPopupText() const
{
    for (auto it = shown.crbegin(); it != shown.crend(); ++it) {
        if (it->kind == QLatin1String("popup"))
            return it->text;
    }
    return {};
}

QList<MessageRecord> MessageScript::ofKind(const QString &kind) const
{
    QList<MessageRecord> found;
    for (const MessageRecord &record : shown) {
        if (record.kind == kind)
            found << record;
    }
    return found;
}

QList<MessageRecord> MessageScript::popups() const
{
    return ofKind(QStringLiteral("popup"));
}

QStringList MessageScript::textsOf(const QString &kind) const
{
    QStringList texts;
    for (const MessageRecord &record : ofKind(kind))
        texts << record.text;
    return texts;
}

PopupControl *Pop1()
{
    static QPointer<PopupControl> popup;
    if (!popup)
        popup = new PopupControl;
    return popup;
}

void ShowSystemMessage(const QString &text, int icon)
{
    MessageScript &script = messageScript();
    script.shown.append({ QStringLiteral("popup"), text, icon });
    if (script.suppressNotices)
        return;

    PopupControl *pop = Pop1();
    pop->setAnchor(state().FMain);
    pop->PopupState = 3;
    pop->PopupClear();
    if (pop->PopupDisplayState() != 0) {
        pop->PopupState = 0;
        pop->PopupClose();
    }
    pop->PopupState = 3;

    PopupItem *title = pop->PopupAddItem(50, 27, 999, 999, QStringLiteral("Sistem Mesajı"));
    title->PopupItemBold(true);
    title->PopupItemClickable(false);
    PopupItem *message = pop->PopupAddItem(50, 45, 999, 999, text);
    message->PopupItemClickable(false);
    PopupItem *picture = pop->PopupAddItem(12, 27, 12, 27, QString());
    picture->PopupItemSetIcon(popupIcon(icon), 1);
    pop->PopupAddItem(12, 78, 9999, 9999, QStringLiteral("Kapatmak için tıklayınız..."));
    pop->PopupShow();
}

void ShowNoPermission()
{
    ShowSystemMessage(
        QStringLiteral("Kantarix'nin kurulu olduğu ana bilgisayardaki ayarlara göre;\r\n"
                       "bu menüye erişim izniniz bulunmamaktadır!"),
        IconError);
}

namespace {

// A text taller than most of the screen (a long service log) scrolls inside its box, so that
// the box and its buttons stay in view.
void fitToScreen(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const QScreen *screen = box.screen();
    if (!label || !screen || !box.layout())
        return;
    // Measured in the font the box is shown with.
    box.ensurePolished();
    label->ensurePolished();
    const QRect room = screen->availableGeometry();
    const int height = room.height() * 3 / 5;
    if (label->sizeHint().height() <= height)
        return;
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    delete box.layout()->replaceWidget(label, area);
    area->setWidget(label);
    // A little room between the longest line and the scroll bar.
    label->setContentsMargins(0, 0, label->fontMetrics().averageCharWidth(), 0);
    const int width = label->sizeHint().width() + area->verticalScrollBar()->sizeHint().width();
    area->setMinimumSize(qMin(width, room.width() * 3 / 5), height);
}

} // namespace

bool AskYesNo(const QString &question)
{
    MessageScript &script = messageScript();
    script.shown.append({ QStringLiteral("question"), question, 0 });
    int answer = AnswerNo;
    if (!script.answers.isEmpty()) {
        answer = script.answers.takeFirst();
    } else {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kantarix"), question,
                        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        fitToScreen(box);
        answer = box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    state().MsgResult = answer;
    return answer == AnswerYes;
}

void ShowNotice(const QString &text, const QString &title, int icon)
{
    MessageScript &script = messageScript();
    script.shown.append({ QStringLiteral("notice"), text, icon, title });
    if (script.suppressNotices)
        return;
    QMessageBox box(icon == NoticeInformation ? QMessageBox::Information : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

namespace {

// "Caption (*.x)|*.x|Other (*.y)|*.y": Qt's filter is the captions, one per line.
QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList captions;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString caption = parts.at(i);
        if (!caption.contains(QLatin1Char('(')) && i + 1 < parts.size())
            caption += QStringLiteral(" (") + QString(parts.at(i + 1)).replace(u';', u' ') + u')';
        captions << caption;
    }
    return captions.join(QStringLiteral(";;"));
}

QString fileDialog(bool save, const QString &title, const QString &filter, const QString &path)
{
    MessageScript &script = messageScript();
    script.shown.append({ QStringLiteral("file"), filter, 0, title });
    if (!script.files.isEmpty())
        return script.files.takeFirst();
    QWidget *parent = QApplication::activeWindow();
    return save ? QFileDialog::getSaveFileName(parent, title, path, qtFileFilter(filter))
                : QFileDialog::getOpenFileName(parent, title, path, qtFileFilter(filter));
}

} // namespace

QString ShowOpenFileDialog(const QString &title, const QString &filter, const QString &folder)
{
    return fileDialog(false, title, filter, folder);
}

QString ShowSaveFileDialog(const QString &title, const QString &filter, const QString &proposed)
{
    return fileDialog(true, title, filter, proposed);
}

void ShowInputBox(const QString &title, const QString &prompt, const QString &defaultText)
{
    ModuleState &s = state();
    s.InputTitle = title;
    s.InputPrompt = prompt;
    s.InputDefault = defaultText;
    MessageScript &script = messageScript();
    script.shown.append({ QStringLiteral("input"), prompt, 0 });
    if (!script.inputs.isEmpty()) {
        s.InputResult = script.inputs.takeFirst();
        return;
    }
    auto *window = new FInputbox(QApplication::activeWindow());
    window->setAttribute(Qt::WA_DeleteOnClose);
    s.FInputbox = window;
    window->exec();
}

} // namespace kx
