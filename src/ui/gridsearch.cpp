// SPDX-License-Identifier: MIT
#include "ui/gridsearch.h"

namespace phodex {

bool CellMatches(const QString& cell, const SearchOptions& options) {
    const Qt::CaseSensitivity cs = options.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (options.wholeWord)
        return cell.compare(options.keyword, cs) == 0;
    return cell.contains(options.keyword, cs);
}

namespace {

bool RowMatches(const QStringList& cells, const SearchOptions& options) {
    for (const QString& cell : cells) {
        if (CellMatches(cell, options))
            return true;
    }
    return false;
}

// Rows from `from` towards `to` (both included) in steps of `step`.
int Scan(int from, int to, int step, const std::function<QStringList(int)>& rowTexts,
         const SearchOptions& options) {
    for (int row = from; step > 0 ? row <= to : row >= to; row += step) {
        if (RowMatches(rowTexts(row), options))
            return row;
    }
    return -1;
}

} // namespace

int FindRow(int rowCount, const std::function<QStringList(int)>& rowTexts,
            const SearchOptions& options, int startRow, SearchDirection direction) {
    if (rowCount <= 0)
        return -1;
    const int last = rowCount - 1;
    if (direction == SearchDirection::Down) {
        const int found = Scan(startRow + 1, last, 1, rowTexts, options);
        return found >= 0 ? found : Scan(0, last, 1, rowTexts, options);
    }
    const int found = Scan(std::min(startRow - 1, last), 0, -1, rowTexts, options);
    return found >= 0 ? found : Scan(last, 0, -1, rowTexts, options);
}

} // namespace phodex
