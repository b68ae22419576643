// Turkish texts for Qt's own dialogs (message box buttons, file dialogs).
#pragma once

#include <QString>

namespace kx {

// Loads qtbase_tr from the given folder (Qt's translations folder when empty). Where that file
// is missing, the standard buttons still read "Evet", "Hayır", "Tamam", "İptal". Calling it
// again replaces what an earlier call installed. Returns whether qtbase_tr was found.
bool installTurkishTranslations(const QString &folder = QString());

} // namespace kx
