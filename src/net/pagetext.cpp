// SPDX-License-Identifier: MIT
#include "net/pagetext.h"

#include "net/bodymarkers.h"
#include "net/inflate.h"
#include "text/codepage.h"
#include "text/escapes.h"

namespace phodex {

namespace {

// The body to decode; false when it cannot be inflated within the memory limit.
bool pageBytes(CUrlResponse& response, int flags, QByteArray& bytes) {
    if (!((flags & kTextInflate) && response.gzip)) {
        bytes = response.body; // the markers were applied while reading
        return true;
    }
    QByteArray inflated;
    if (InflateChecked(response.body, inflated) == InflateResult::TooLarge)
        return false;
    if (inflated.isEmpty()) {
        // Not compressed after all; remember that for the next call.
        response.gzip = false;
        bytes = response.body;
        return true;
    }
    cutAtMarkers(inflated, response.startMarker, response.endMarker);
    bytes = inflated;
    return true;
}

QString decodeGbkPage(const QByteArray& bytes, int flags) {
    if (!(flags & kTextGbkPastNul))
        return DecodeBytes(kCodePageGbk, bytes);
    QByteArray noNul = bytes;
    noNul.replace('\0', '\x7f');
    QString text = DecodeBytes(kCodePageGbk, noNul);
    text.remove(QChar(0x7f));
    return text;
}

int codePageFor(const QByteArray& bytes, int flags) {
    if (flags & kTextUtf8)
        return kCodePageUtf8;
    if (flags & kTextEucKr)
        return kCodePageEucKr;
    if (flags & kTextBig5)
        return kCodePageBig5;
    if ((flags & kTextUtf8OrGbk) && IsUtf8(bytes))
        return kCodePageUtf8;
    return kCodePageGbk;
}

} // namespace

QString GetText(CUrlResponse& response, int flags) {
    QByteArray bytes;
    if (!pageBytes(response, flags, bytes))
        return QString();
    // The declared GBK wins over the caller's choice; the test is exact, as sites write it.
    QString text = response.headers.contains(QLatin1String("charset=GBK"))
                       ? decodeGbkPage(bytes, flags)
                       : DecodeBytes(codePageFor(bytes, flags), bytes);
    DecodeEntities(text);
    return text;
}

} // namespace phodex
