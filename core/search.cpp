// Matching of the main grid's search box: typed text and cell text folded the same way.
#include "core/search.h"

#include "core/conversions.h"

namespace kx {

namespace {

// The letter fold first (i, ı, İ and the Turkish letters to plain capitals), then the capital
// of whatever else has one (â, î, é), so that the fold's plain I never becomes a dotted one.
QChar foldForSearch(QChar character)
{
    UpperAsciiChar(character);
    return character.toUpper();
}

} // namespace

QString searchFold(const QString &text)
{
    QString folded = text;
    for (QChar &character : folded)
        character = foldForSearch(character);
    return folded;
}

bool searchMatches(const QString &foldedSearch, const QString &cellText)
{
    const qsizetype n = foldedSearch.size();
    if (cellText.size() < n)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        if (foldForSearch(cellText.at(i)) != foldedSearch.at(i))
            return false;
    }
    return true;
}

int firstMatchingRow(const QString &search, int rows, const std::function<QString(int)> &cellText)
{
    const QString folded = searchFold(search);
    for (int r = 1; r < rows; ++r) {
        if (searchMatches(folded, cellText(r)))
            return r;
    }
    return 0;
}

} // namespace kx
