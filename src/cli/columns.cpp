// SPDX-License-Identifier: MIT
#include "cli/columns.h"

#include <unicode/uchar.h>

namespace phodex::cli {
namespace {

int columnsOf(char32_t c) {
    const auto category = u_charType(UChar32(c));
    if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK ||
        category == U_CONTROL_CHAR || category == U_FORMAT_CHAR)
        return 0;
    const auto width = u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

} // namespace

QString cutToColumns(const QString& text, int columns) {
    int used = 0;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
        const char32_t c =
            pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : char32_t(text[at].unicode());
        used += columnsOf(c);
        if (used > columns)
            return text.left(at);
        at += pair ? 2 : 1;
    }
    return text;
}

} // namespace phodex::cli
