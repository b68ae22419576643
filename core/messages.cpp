// Notices, questions and the input dialog, with the script that tests use in their place.
#include "core/messages.h"

#include "core/input_dialog.h"
#include "core/state.h"
#include "platform/popup.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

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

QStringList MessageScript::textsOf(const QString &kind) const
{
    QStringList texts;
    for (const MessageRecord &record : shown) {
        if (record.kind == kind)
            texts << record.text;
    }
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
    script.shown.append({QStringLiteral("popup"), text, icon});
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
    ShowSystemMessage(QStringLiteral("Kantarix'nin kurulu olduğu ana bilgisayardaki ayarlara göre;\r\n"
                                     "bu menüye erişim izniniz bulunmamaktadır!"),
                      IconError);
}

bool AskYesNo(const QString &question)
{
    MessageScript &script = messageScript();
    script.shown.append({QStringLiteral("question"), question, 0});
    int answer = AnswerNo;
    if (!script.answers.isEmpty()) {
        answer = script.answers.takeFirst();
    } else {
        answer = QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Kantarix"),
                                       question, QMessageBox::Yes | QMessageBox::No)
                         == QMessageBox::Yes
                     ? AnswerYes
                     : AnswerNo;
    }
    state().MsgResult = answer;
    return answer == AnswerYes;
}

void ShowNotice(const QString &text, const QString &title)
{
    MessageScript &script = messageScript();
    script.shown.append({QStringLiteral("notice"), text, 0, title});
    if (!script.suppressNotices)
        QMessageBox::information(QApplication::activeWindow(), title, text);
}

void ShowInputBox(const QString &title, const QString &prompt, const QString &defaultText)
{
    ModuleState &s = state();
    s.InputTitle = title;
    s.InputPrompt = prompt;
    s.InputDefault = defaultText;
    MessageScript &script = messageScript();
    script.shown.append({QStringLiteral("input"), prompt, 0});
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
