// Matching of the main grid's search box: typed text and cell text folded the same way.
#pragma once

#include <QString>

#include <functional>

namespace kx {

// The fold both sides go through: plain upper-case letters, Turkish letters included, so that
// ŞAHİN, Şahin and SAHIN all read SAHIN; every other letter in its capital (â Â, é É).
QString searchFold(const QString &text);
// True when the cell's text begins with the folded search text (an empty search matches
// every cell). Folds only the characters it compares.
bool searchMatches(const QString &foldedSearch, const QString &cellText);
// The first of the rows 1 .. rows - 1 whose cell begins with the search text, both folded;
// 0 when none does. An empty text gives row 1 when there is one.
int firstMatchingRow(const QString &search, int rows, const std::function<QString(int)> &cellText);

} // namespace kx
