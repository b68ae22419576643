// The main window's side of the saved documents: the window, and a document opened in its page.
#include "app/main_window.h"
#include "app/saved_documents_window.h"
#include "core/database.h"
#include "core/document_kinds.h"
#include "core/document_open.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/saved_documents.h"
#include "core/state.h"

namespace kx {

void FMain::ShowKayitli()
{
    ShowSavedDocuments(this);
}

bool FMain::OpenSavedDocument(const QString &key)
{
    const ModuleState &s = state();
    const DocumentKey parsed = parseDocumentKey(key);
    // Only the kinds that have a page of their own open here.
    if (!isDocumentPage(pageOfDocumentKind(parsed.kind)))
        return false;
    try {
        SavedHeader header;
        // Gone meanwhile (another computer): nothing is opened, and the user is told.
        if (!readSavedHeader(parsed.id, &header) || header.kind != parsed.kind) {
            ShowSystemMessage(missingDocumentMessage(), IconError);
            return false;
        }
        const int account = accountRecordById(header.accountId, false);
        if (!header.accountLive || account < 0) {
            ShowSystemMessage(missingAccountMessage(), IconError);
            return false;
        }
        ShowPage(pageOfDocumentKind(header.kind));
        LoadSavedDocument(documentView(), header, account);
    } catch (const DatabaseError &) {
        ShowSystemMessage(QStringLiteral("Belge açılamadı!"), IconError);
        return false;
    }
    return true;
}

} // namespace kx
