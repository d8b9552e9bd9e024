// SPDX-License-Identifier: MIT
#include "download/unicodefile.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace phodex {

bool WriteUnicodeFile(const QString& path, const QString& text) {
    QFile file(path.isEmpty() ? QStringLiteral("1.txt") : path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QByteArray bytes(2 * (text.size() + 1), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian<quint16>(0xFEFF, out);
    qToLittleEndian<quint16>(text.utf16(), text.size(), out + 2);
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace phodex
