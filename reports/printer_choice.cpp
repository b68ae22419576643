// FPrint, the printer choice "Yazıcı Seçimi" shown before each printed copy of a document.
#include "reports/printer_choice.h"

#include "core/state.h"
#include "platform/combo_box.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace kx {

FPrint::FPrint(Printers &printers, QWidget *parent)
    : QDialog(parent)
    , m_printers(printers)
{
    setObjectName(QStringLiteral("FPrint"));
    setWindowTitle(QStringLiteral("Yazıcı Seçimi"));
    setFixedSize(twipsSize(8745, 630));
    setFont(uiFont());

    Label1 = new QLabel(QStringLiteral("Yazıcı Seçiniz :"), this);
    QRect label = twipsRect(120, 200, 1065, 195);
    // The caption was measured for a narrower face; it keeps its whole text, and the list
    // gives way on its left.
    label.setWidth(qMax(label.width(), Label1->sizeHint().width()));
    label.setTop(label.top() - (Label1->sizeHint().height() - label.height()) / 2);
    label.setHeight(Label1->sizeHint().height());
    Label1->setGeometry(label);
    Combo1 = new ComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    QRect list = twipsRect(1320, 150, 6255, 315);
    list.setLeft(qMax(list.left(), label.right() + twipsToPixels(120)));
    Combo1->setGeometry(list);
    Btn1 = new QPushButton(QStringLiteral("Tamam"), this);
    Btn1->setObjectName(QStringLiteral("Btn1"));
    Btn1->setGeometry(twipsRect(7800, 120, 855, 375));
    connect(Btn1, &QPushButton::clicked, this, &FPrint::Btn1_Click);

    Form_Load();
    Combo1->setFocus();
}

void FPrint::Form_Load()
{
    Combo1->AddItems(m_printers.deviceNames());
    const QString current = m_printers.currentName();
    // Every equal entry is chosen in turn, so the last of equal names stays chosen.
    for (int i = 0; i < Combo1->ListCount(); ++i) {
        if (Combo1->List(i) == current)
            Combo1->setListIndex(i);
    }
}

void FPrint::Btn1_Click()
{
    const QStringList names = m_printers.deviceNames();
    const QString chosen = Combo1->Text();
    int last = -1;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) == chosen)
            last = i;
    }
    // Among printers of the same name the last one wins.
    if (last >= 0)
        m_printers.makeCurrent(last);
    accept();
}

void ShowPrinterChoice(Printers &printers)
{
    ModuleState &s = state();
    QPointer<FPrint> dialog = new FPrint(printers, s.FMain);
    s.FPrint = dialog;
    dialog->exec();
    delete dialog;
}

} // namespace kx
