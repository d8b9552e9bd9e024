// SPDX-License-Identifier: MIT
#include "download/sanitizename.h"

#include "text/escapes.h"

#include <QDateTime>

namespace phodex {
namespace {

constexpr QChar kFullWidthStop(0x3002);
constexpr qsizetype kFallbackLength = 1000;

bool IsDotsOnly(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c != u'.') {
            return false;
        }
    }
    return true;
}

void CollapseSpaces(QString& text) {
    while (text.contains(u"  ")) {
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    }
}

// A name made only of dots would mean "this folder" or "the folder above";
// it keeps its look with full-width stops instead.
void ReplaceDotsOnly(QString& text) {
    if (IsDotsOnly(text)) {
        text.fill(kFullWidthStop);
    }
}

void RemoveReserved(QString& text) {
    for (const QChar c : {u'\r', u'\n', u'\\', u'/', u':', u'*', u'?', u'"', u'<', u'>', u'|'}) {
        text.remove(c);
    }
}

// TAB and backspace keep a visible trace; every other control character,
// NUL included (a "\u0000" escape in a site's JSON gives one), goes.
void ReplaceControls(QString& text) {
    text.replace(u'\t', u'_');
    text.replace(u'\b', u' ');
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

void StripOuterDots(QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u'.') {
        --end;
    }
    qsizetype start = 0;
    while (start < end && text.at(start) == u'.') {
        ++start;
    }
    text = text.mid(start, end - start);
}

QString FallbackName(int fallbackNumber) {
    if (fallbackNumber != kNoFallbackNumber) {
        return QStringLiteral("pic%1").arg(fallbackNumber);
    }
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
}

} // namespace

void SanitizeName(QString& text, int fallbackNumber, bool useFallback) {
    DecodeEntities(text);
    CollapseSpaces(text);
    text = text.trimmed();
    ReplaceDotsOnly(text);
    RemoveReserved(text);
    ReplaceControls(text);
    StripOuterDots(text);
    text = text.trimmed();
    // A backspace turned into a space can shield dots from the strip above
    // (" .. " trims to ".."), so the dots-only rule is applied once more.
    ReplaceDotsOnly(text);
    if (useFallback && (text.isEmpty() || text.size() >= kFallbackLength)) {
        text = FallbackName(fallbackNumber);
    }
}

} // namespace phodex
