// SPDX-License-Identifier: MIT
#include "settings/fixedtext.h"

#include <QtEndian>

#include <cstring>

namespace phodex {

QString ReadFixedText(const char* field, int units) {
    QString text;
    for (int i = 0; i < units; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(field + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void WriteFixedText(char* field, int units, const QString& text) {
    std::memset(field, 0, static_cast<size_t>(units) * 2);
    if (units <= 0)
        return;
    qsizetype length = qMin<qsizetype>(text.size(), units - 1);
    // A pair split by the cut would leave half a character behind.
    if (length < text.size() && length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    for (qsizetype i = 0; i < length; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), field + 2 * i);
}

} // namespace phodex
