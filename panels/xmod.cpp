// The library's two shared routines.
#include "panels/xmod.h"

#include <QLineEdit>

namespace kx::belgepano {

void SelectControlText(QLineEdit *field)
{
    if (!field || field->text().isEmpty())
        return;
    field->setSelection(0, field->text().length());
}

QChar UpperAsciiChar(QChar &code)
{
    const char16_t c = code.unicode();
    char16_t folded = c;
    if (c >= u'a' && c <= u'z')
        folded = c - 32;
    switch (c) {
    case u'ı':
    case u'İ':
        folded = u'I';
        break;
    case u'ğ':
    case u'Ğ':
        folded = u'G';
        break;
    case u'ü':
    case u'Ü':
        folded = u'U';
        break;
    case u'ş':
    case u'Ş':
        folded = u'S';
        break;
    case u'ç':
    case u'Ç':
        folded = u'C';
        break;
    case u'ö':
    case u'Ö':
        folded = u'O';
        break;
    default:
        break;
    }
    code = QChar(folded);
    return code;
}

} // namespace kx::belgepano
