// FBelgeBul: layout, the search and the hand-over of the found document.
#include "app/document_search.h"

#include "app/form_fields.h"
#include "core/database.h"
#include "core/messages.h"
#include "core/saved_documents.h"
#include "core/state.h"
#include "platform/focus.h"
#include "platform/letter_fold.h"
#include "platform/twips.h"
#include "platform/ui_font.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx {

FBelgeBul::FBelgeBul(QWidget *parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Belge Bul"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(twipsSize(6360, 2580));
    showFocusAlways(this);
    setFont(uiFont());

    Label1 = new QLabel(QStringLiteral("Belge Seri/Sıra"), this);
    Label1->setGeometry(twipsRect(150, 195, 1560, 315));
    TSeri = new QLineEdit(this);
    TSeri->setGeometry(twipsRect(1740, 180, 600, 330));
    // A pasted series is folded as a typed one is.
    foldPastedText(TSeri, &UpperAsciiChar);
    TSira = new QLineEdit(this);
    TSira->setGeometry(twipsRect(2400, 180, 1500, 330));
    CBul = new QPushButton(QStringLiteral("Bul"), this);
    CBul->setGeometry(twipsRect(4020, 150, 2190, 390));

    const char *captions[]
        = { "Cari --------------------", "Tarih ------------------", "Tutar -----------------" };
    QLabel **labels[] = { &LabCari, &LabTarih, &LabTutar };
    QLineEdit **results[] = { &TCari, &TTarih, &TTutar };
    for (int i = 0; i < 3; ++i) {
        const int top = 750 + i * 405;
        *labels[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        (*labels[i])->setGeometry(twipsRect(150, top + 15, 1560, 315));
        *results[i] = new QLineEdit(this);
        (*results[i])->setGeometry(twipsRect(1740, top, 4470, 330));
        setShownOnly(*results[i]);
    }
    CAc = new QPushButton(QStringLiteral("Aç"), this);
    CAc->setGeometry(twipsRect(4020, 1980, 2190, 390));
    CAc->setEnabled(false);

    // Enter in the number fields searches.
    CBul->setDefault(true);
    CAc->setAutoDefault(false);
    setTabOrder(TSeri, TSira);
    setTabOrder(TSira, CBul);
    setTabOrder(CBul, CAc);
    TSeri->installEventFilter(this);
    connect(CBul, &QPushButton::clicked, this, &FBelgeBul::CBul_Click);
    connect(CAc, &QPushButton::clicked, this, &FBelgeBul::CAc_Click);
}

void FBelgeBul::CBul_Click()
{
    m_key.clear();
    FoundDocument found;
    try {
        found = findDocumentByNumber(TSeri->text(), TSira->text());
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belge aranamadı!"), IconError);
        found.account = found.date = found.total = QStringLiteral("Bulunamadı");
    }
    m_key = found.key;
    TCari->setText(found.account);
    TTarih->setText(found.date);
    TTutar->setText(found.total);
    CAc->setEnabled(!m_key.isEmpty());
}

void FBelgeBul::CAc_Click()
{
    if (m_key.isEmpty())
        return;
    state().PendingDocKey = m_key;
    close();
}

bool FBelgeBul::eventFilter(QObject *watched, QEvent *event)
{
    // Series letters are typed upper-case, Turkish letters folded.
    if (watched == TSeri && event->type() == QEvent::KeyPress
        && typeFolded(TSeri, static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void ShowDocumentSearch(QWidget *parent)
{
    auto *window = new FBelgeBul(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    state().FBelgeBul = window;
    window->exec();
}

} // namespace kx
