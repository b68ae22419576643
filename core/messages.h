// How the program talks to the user: the pop-up notice, Yes/No questions, the input dialog and
// the file dialogs.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

class PopupControl;

enum MessageIcon { IconSuccess = 1, IconError = 2 };
enum MessageAnswer { AnswerYes = 6, AnswerNo = 7 };

// The pop-up notice "Sistem Mesajı"; returns at once, the notice stays until clicked.
void ShowSystemMessage(const QString &text, int icon);
// The process's one pop-up window, made on first use; it sits at the corner of FMain.
PopupControl *Pop1();
void ShowNoPermission();
// Modal one-line input; the answer lands in state().InputResult ("CancelX" when cancelled).
void ShowInputBox(const QString &title, const QString &prompt, const QString &defaultText);
// Yes/No box with the question icon and the program's title; the answer lands in
// state().MsgResult (6 Yes). Returns true on Yes.
bool AskYesNo(const QString &question);
// Icons of a notice box: none, or the information icon (the message box code 64).
enum NoticeIcon { NoticeNoIcon = 0, NoticeInformation = 64 };
// A plain notice box with an OK button, for the few places that use a message box to inform;
// no icon unless one is asked for.
void ShowNotice(const QString &text, const QString &title = QStringLiteral("Kantarix"),
                int icon = NoticeNoIcon);
// The file dialog for opening a file: filter as "Arşiv Dosyaları (*.zip)|*.zip" (pairs of a
// caption and its patterns, "|" between), starting in folder. Returns the chosen path, empty
// when cancelled.
QString ShowOpenFileDialog(const QString &title, const QString &filter,
                           const QString &folder = QString());
// The file dialog for saving, with a filter of the same form, proposing a path (or a name).
// The dialog asks before an existing file is replaced. Returns the chosen path as given,
// empty when cancelled.
QString ShowSaveFileDialog(const QString &title, const QString &filter, const QString &proposed);

// What tests read and script: every notice, question and input shown, and queued answers.
// While an answer queue holds entries, no box is shown for that kind and the next answer is
// taken instead; with an empty queue the real window appears.
struct MessageRecord
{
    QString kind; // "popup", "question", "notice", "input", "file"
    QString text;
    int icon = 0;
    QString title; // of a notice box or a file dialog
};

struct MessageScript
{
    QList<MessageRecord> shown;
    QList<int> answers; // for AskYesNo: 6 or 7
    QStringList inputs; // for ShowInputBox: the typed text or "CancelX"
    QStringList files; // for the file dialogs: the chosen path, empty for cancel
    bool suppressNotices = false; // record notices and pop-ups without showing them
    void clear() { *this = MessageScript(); }
    QString lastPopupText() const;
    // What was shown of one kind, in order; the pop-up notices; the texts of one kind.
    QList<MessageRecord> ofKind(const QString &kind) const;
    QList<MessageRecord> popups() const;
    QStringList textsOf(const QString &kind) const;
};

MessageScript &messageScript();

} // namespace kx
