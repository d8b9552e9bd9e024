// SPDX-License-Identifier: MIT
#include "text/escapes.h"

#include <QByteArray>

#include "text/codepage.h"

namespace phodex {
namespace {

int hexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

// The longest run of hexadecimal digits at the front; 0 when there is none.
char16_t leadingHexValue(QStringView digits) {
    char16_t value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigitValue(c.unicode());
        if (digit < 0) {
            break;
        }
        value = char16_t(value * 16 + digit);
    }
    return value;
}

} // namespace

// One pass per entity, in this order: "&amp;lt;" therefore ends as "<" but
// "&amp;quot;" as "&quot;", which is what every stored name was made with.
void DecodeEntities(QString& text) {
    static const struct {
        QLatin1String entity;
        QChar character;
    } kEntities[] = {
        {QLatin1String("&quot;"), u'"'}, {QLatin1String("&amp;"), u'&'},
        {QLatin1String("&lt;"), u'<'},   {QLatin1String("&gt;"), u'>'},
        {QLatin1String("&nbsp;"), u' '}, {QLatin1String("&hellip;"), QChar(0x2026)},
        {QLatin1String("&#39;"), u'\''}, {QLatin1String("&#092;"), u'\\'},
    };
    if (!text.contains(u'&')) {
        return;
    }
    for (const auto& e : kEntities) {
        text.replace(e.entity, QString(e.character));
    }
}

// Each "\u" is followed by a piece that runs to the next "\u"; a piece of four
// or more characters gives one code unit from its first four, a shorter piece
// stays as it is and only the "\u" goes.
QString UnescapeUnicode(const QString& text) {
    const QStringView marker = u"\\u";
    qsizetype at = text.indexOf(marker);
    if (at < 0) {
        return text;
    }
    QString result = text.first(at);
    result.reserve(text.size());
    while (at >= 0) {
        const qsizetype pieceStart = at + marker.size();
        at = text.indexOf(marker, pieceStart);
        const QStringView piece =
            QStringView(text).sliced(pieceStart, (at < 0 ? text.size() : at) - pieceStart);
        if (piece.size() >= 4) {
            result += QChar(leadingHexValue(piece.first(4)));
            result += piece.sliced(4);
        } else {
            result += piece;
        }
    }
    return result;
}

// The text goes to UTF-8 before the escapes are decoded, so characters typed
// literally in an address survive next to the escaped ones, and a value of
// any length is decoded whole. Decoding stops at a malformed escape or at
// "%00", keeping what came before; "+" stays "+".
QString UrlDecodeUtf8(const QString& text) {
    const QByteArray in = text.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '%') {
            out += in[i];
            continue;
        }
        if (i + 2 >= in.size()) {
            break;
        }
        const int high = hexDigitValue(char16_t(uchar(in[i + 1])));
        const int low = hexDigitValue(char16_t(uchar(in[i + 2])));
        if (high < 0 || low < 0 || (high == 0 && low == 0)) {
            break;
        }
        out += char(high * 16 + low);
        i += 2;
    }
    return DecodeBytes(kCodePageUtf8, out);
}

} // namespace phodex
