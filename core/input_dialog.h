// FInputbox, the modal one-line input window behind ShowInputBox.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

// Takes its caption, prompt and default text from InputTitle, InputPrompt and InputDefault of
// the module state and leaves the answer in InputResult ("CancelX" when cancelled).
class FInputbox : public QDialog
{
    Q_OBJECT
public:
    explicit FInputbox(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *BtnA = nullptr;
    QPushButton *BtnB = nullptr;

    void BtnA_Click();
    void BtnB_Click();

    // Esc and the close box both end up here.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_closedByButton = false;
};

} // namespace kx
