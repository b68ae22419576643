// FPrint, the printer choice "Yazıcı Seçimi" shown before each printed copy of a document.
#pragma once

#include "platform/printer.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kx {

class ComboBox;

class FPrint : public QDialog
{
    Q_OBJECT

public:
    // Lists the printers of `printers`, which must outlive the dialog.
    explicit FPrint(Printers &printers = systemPrinters(), QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    ComboBox *Combo1 = nullptr;
    QPushButton *Btn1 = nullptr;

private:
    // Fills the list and chooses the current printer's entry (the last of equal names).
    void Form_Load();
    // "Tamam": the printer named by the list's text becomes current; the dialog closes.
    void Btn1_Click();

    Printers &m_printers;
};

// Shows FPrint modally in its instance slot; it is gone when this returns.
void ShowPrinterChoice(Printers &printers = systemPrinters());

} // namespace kx
