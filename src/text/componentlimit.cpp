// SPDX-License-Identifier: MIT
#include "text/componentlimit.h"

namespace phodex {
namespace {

qsizetype Utf8Bytes(char32_t codePoint) {
    if (codePoint < 0x80) {
        return 1;
    }
    if (codePoint < 0x800) {
        return 2;
    }
    return codePoint < 0x10000 ? 3 : 4;
}

// Length in UTF-16 units of the code point at i; a lone surrogate counts as one
// unit (it is written as U+FFFD, three bytes).
qsizetype CodePointAt(const QString& text, qsizetype i, char32_t& codePoint) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(c, text.at(i + 1));
        return 2;
    }
    codePoint = c.isSurrogate() ? char32_t(0xFFFD) : char32_t(c.unicode());
    return 1;
}

} // namespace

qsizetype Utf8Length(const QString& text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t codePoint = 0;
        i += CodePointAt(text, i, codePoint);
        bytes += Utf8Bytes(codePoint);
    }
    return bytes;
}

QString CutToBytes(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t codePoint = 0;
        const qsizetype units = CodePointAt(text, i, codePoint);
        bytes += Utf8Bytes(codePoint);
        if (bytes > maxBytes) {
            return text.left(i);
        }
        i += units;
    }
    return text;
}

} // namespace phodex
