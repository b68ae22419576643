// The one-line input window: a prompt, a field and the buttons "Tamam" and "İptal".
#include "core/input_dialog.h"

#include "core/state.h"
#include "platform/focus.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx {

FInputbox::FInputbox(QWidget *parent)
    : QDialog(parent)
{
    const ModuleState &s = state();
    setWindowTitle(s.InputTitle);
    setFixedSize(twipsSize(7935, 1080));
    showFocusAlways(this);
    setFont(uiFont());

    Label1 = new QLabel(s.InputPrompt, this);
    Label1->setGeometry(twipsRect(120, 120, 6255, 450));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    Text1 = new QLineEdit(s.InputDefault, this);
    Text1->setGeometry(twipsRect(120, 630, 6255, 315));
    selectAllOnFocus(Text1);

    BtnA = new QPushButton(QStringLiteral("Tamam"), this);
    BtnA->setGeometry(twipsRect(6480, 120, 1335, 360));
    BtnB = new QPushButton(QStringLiteral("İptal"), this);
    BtnB->setGeometry(twipsRect(6480, 600, 1335, 360));
    // Enter means "Tamam" wherever the focus is, so no button may take it as its own.
    BtnA->setAutoDefault(false);
    BtnB->setAutoDefault(false);

    setTabOrder(Text1, BtnA);
    setTabOrder(BtnA, BtnB);
    Text1->setFocus();

    connect(BtnA, &QPushButton::clicked, this, &FInputbox::BtnA_Click);
    connect(BtnB, &QPushButton::clicked, this, &FInputbox::BtnB_Click);
}

void FInputbox::BtnA_Click()
{
    state().InputResult = Text1->text();
    m_closedByButton = true;
    accept();
}

void FInputbox::BtnB_Click()
{
    state().InputResult = QStringLiteral("CancelX");
    m_closedByButton = true;
    QDialog::reject();
}

void FInputbox::reject()
{
    if (!m_closedByButton)
        state().InputResult = QStringLiteral("CancelX");
    QDialog::reject();
}

void FInputbox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        BtnA_Click();
        return;
    case Qt::Key_Escape:
        event->accept();
        BtnB_Click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace kx
