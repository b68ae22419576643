// FGiris, the login window: company and password, then optionally the company's settings.
#pragma once

#include "platform/date_field.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace kx {

// Fills the company state and the table set from FirmaRows for the company at list position
// `position` (0 the first company), as a successful login does.
void ChooseCompany(int position);

// Use:
//     FGiris login(parent);          // the load: opens Conn, lists the companies; may throw
//     if (login.exec() == FGiris::EndProgram) ... end the program at once
// After an accepted exec the company state and the table set are filled.
class FGiris : public QDialog
{
    Q_OBJECT
public:
    // exec() result when the user closed the window by its close box.
    static constexpr int EndProgram = 2;

    // Runs the load; throws DatabaseError when Data.mdb cannot be opened or read.
    explicit FGiris(QWidget *parent = nullptr);

    QTabWidget *TabX = nullptr;

    // Login page.
    QWidget *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text = nullptr;
    QLabel *LabVer = nullptr;
    QLabel *LinkHELP = nullptr;
    QLabel *LinkINFO = nullptr;
    QLabel *LinkMAKER = nullptr;
    QLabel *LinkKX = nullptr;

    // Company settings page.
    QWidget *Picture2 = nullptr;
    std::array<QLabel *, 6> LabeL {};
    std::array<QLineEdit *, 3> Text1 {};
    DateField *Date1 = nullptr;
    std::array<QComboBox *, 4> Combo1 {};
    QLabel *Picture3 = nullptr;

    // True once the close box was used: the program is to end.
    bool EndRequested = false;

    // Key handlers with the key codes and shift state of the original window
    // (Enter 13, Esc 27, Up 38, Down 40; Shift 1, Ctrl 2, Alt 4). A handler clears the code
    // it has dealt with.
    void Form_KeyDown(int &KeyCode, int Shift);
    void Form_KeyPress(int &KeyAscii);
    void Text_KeyDown(int &KeyCode, int Shift);
    void Text_KeyPress(int &KeyAscii);
    void Text1_KeyPress(int index, int &KeyAscii);
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);

    // UnloadMode 0: closed by the user from the close box or the system menu.
    void Form_QueryUnload(int UnloadMode);

    void LinkHELP_Click();
    void LinkINFO_Click();
    void LinkMAKER_Click();
    void LinkKX_Click();

    // The addresses behind the links.
    static QString helpAddress();
    static QString contactMail();
    static QString makerAddress();
    static QString productAddress();

    // Leaving is by a login, a save, Esc on the settings page or the close box; Esc on the
    // login page does nothing.
    void reject() override;

signals:
    // The close box was used; whoever showed the form ends the program.
    void endProgram();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void buildLoginPage();
    void buildSettingsPage();
    void openSettingsPage();
    void saveSettings();
    QString rateToStore(int index) const;
    void unloadByCode();
    bool handleKey(QObject *target, QKeyEvent *event);

    // The VAT rates as settings row 3 held them when the settings page opened.
    std::array<QString, 3> m_storedRates;
};

} // namespace kx
