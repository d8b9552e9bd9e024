// SPDX-License-Identifier: MIT
#include "download/unicodefile.h"

#include <QByteArray>
#include <QSaveFile>
#include <QtEndian>

namespace phodex {

bool WriteUnicodeFile(const QString& path, const QString& text) {
    // Written aside and moved into place, so that a program killed mid-write
    // leaves the earlier description rather than half of the new one.
    QSaveFile file(path.isEmpty() ? QStringLiteral("1.txt") : path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes(2 * (text.size() + 1), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian<quint16>(0xFEFF, out);
    qToLittleEndian<quint16>(text.utf16(), text.size(), out + 2);
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace phodex
