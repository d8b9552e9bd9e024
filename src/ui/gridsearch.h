// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Finding a row of the album grid by keyword, as the search box does.
namespace phodex {

enum class SearchDirection { Down, Up };

struct SearchOptions {
    QString keyword; // already trimmed; must not be empty
    bool caseSensitive = false;
    bool wholeWord = false; // a cell matches only when its whole text is the keyword
};

bool CellMatches(const QString& cell, const SearchOptions& options);

// The first row after (Down) or before (Up) startRow with a matching cell,
// going round once to the other end; -1 when no row matches. startRow is the
// smallest selected row, or rowCount when nothing is selected. Rows are 0 to
// rowCount - 1; rowTexts gives every cell text of a row.
int FindRow(int rowCount, const std::function<QStringList(int)>& rowTexts,
            const SearchOptions& options, int startRow, SearchDirection direction);

} // namespace phodex
