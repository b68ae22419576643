// Notices, questions and the input dialog, with the script that tests use in their place.
#include "core/messages.h"

#include "core/state.h"

#include <QApplication>
#include <QMessageBox>

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

void ShowSystemMessage(const QString &text, int icon)
{
    messageScript().shown.append({QStringLiteral("popup"), text, icon});
    // The pop-up window itself comes with the messages work.
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

void ShowNotice(const QString &text)
{
    MessageScript &script = messageScript();
    script.shown.append({QStringLiteral("notice"), text, 0});
    if (!script.suppressNotices)
        QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Kantarix"), text);
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
    // The input window FInputbox comes with the messages work.
    s.InputResult = QStringLiteral("CancelX");
}

} // namespace kx
