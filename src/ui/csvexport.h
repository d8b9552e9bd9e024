// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The album grid as a CSV file: GBK, CR LF, no header line and no quotes;
// every field, the last one too, is followed by ",".
namespace phodex {

struct CsvRow {
    QStringList cells; // the row's cell texts, left to right
    QString address;   // the album's address, written when asked for
};

// Removes "'", doubles '"' and writes "," as "','", so that a field never
// splits the line.
QString CleanCsvField(QString text);

// One line with its CR LF, in GBK.
QByteArray CsvLine(const CsvRow& row, bool withAddress);

// Replaces path with the rows; false when the file could not be written.
bool WriteCsvFile(const QString& path, const std::vector<CsvRow>& rows, bool withAddresses);

} // namespace phodex
