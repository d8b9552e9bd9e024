// SPDX-License-Identifier: MIT
#include "ui/csvexport.h"

#include "text/codepage.h"

#include <QSaveFile>

namespace phodex {

QString CleanCsvField(QString text) {
    text.remove(QLatin1Char('\''));
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    text.replace(QLatin1String(","), QLatin1String("','"));
    return text;
}

QByteArray CsvLine(const CsvRow& row, bool withAddress) {
    QString line;
    for (const QString& cell : row.cells)
        line += CleanCsvField(cell) + QLatin1Char(',');
    if (withAddress)
        line += CleanCsvField(row.address) + QLatin1Char(',');
    return ToGbk(line) + "\r\n";
}

bool WriteCsvFile(const QString& path, const std::vector<CsvRow>& rows, bool withAddresses) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const CsvRow& row : rows) {
        if (file.write(CsvLine(row, withAddresses)) < 0)
            return false;
    }
    return file.commit();
}

} // namespace phodex
