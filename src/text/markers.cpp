// SPDX-License-Identifier: MIT
#include "text/markers.h"

#include <algorithm>

namespace phodex {
namespace {

// An empty marker is found where the search starts, whatever QStringView
// makes of an empty needle.
qsizetype findFrom(QStringView text, QStringView marker, qsizetype from = 0) {
    if (marker.isEmpty()) {
        return from <= text.size() ? from : -1;
    }
    return text.indexOf(marker, from);
}

// Positions in the text itself, so that no call has to copy the page to
// search it: where the value after `start` begins (-1: no start) and where
// `end` begins (-1: no end after the start).
struct Between {
    qsizetype valueStart = -1;
    qsizetype valueEnd = -1;
};

Between locateBetween(QStringView text, QStringView start, QStringView end) {
    Between found;
    const qsizetype at = findFrom(text, start);
    if (at < 0) {
        return found;
    }
    found.valueStart = at + start.size();
    found.valueEnd = findFrom(text, end, found.valueStart);
    return found;
}

} // namespace

// The caller's text is cut only after the value has been taken, and by
// QString::remove(0, n), which on an unshared string moves the start of the
// data instead of copying the rest: a page walked item by item costs time
// linear in its length.
QString GetBetween(QString& text, const QString& start, const QString& end, int flags) {
    const Between found = locateBetween(text, start, end);
    if (found.valueStart < 0) {
        return QString();
    }
    QString value;
    if (found.valueEnd >= 0) {
        value = text.sliced(found.valueStart, found.valueEnd - found.valueStart);
    } else if (flags & kKeepRemainder) {
        value = text.sliced(found.valueStart);
    }
    if (flags & kConsume) {
        text.remove(0, found.valueStart);
    }
    return value;
}

qsizetype SkipTo(QString& text, const QString& marker, bool pastMarker) {
    const qsizetype at = findFrom(text, marker);
    if (at < 0) {
        return -1;
    }
    text.remove(0, pastMarker ? at + marker.size() : at);
    return at;
}

qsizetype CutAt(QString& text, const QString& marker) {
    const qsizetype at = findFrom(text, marker);
    if (at >= 0) {
        text.truncate(at);
    }
    return at;
}

QString TextBefore(const QString& text, const QString& marker) {
    const qsizetype at = findFrom(text, marker);
    return at < 0 ? QString() : text.first(at);
}

// An empty `sub` counts nothing, so that no caller can loop forever on it.
int CountOf(const QString& text, const QString& sub) {
    if (sub.isEmpty()) {
        return 0;
    }
    int count = 0;
    for (qsizetype at = text.indexOf(sub); at >= 0; at = text.indexOf(sub, at + sub.size())) {
        ++count;
    }
    return count;
}

// A text without the separator gives no parts at all, not a list of one.
int SplitBy(const QString& text, const QString& sep, QStringList& parts) {
    parts.clear();
    const int count = CountOf(text, sep);
    if (count == 0) {
        return 0;
    }
    parts.reserve(count + 1);
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(sep); at >= 0; at = text.indexOf(sep, from)) {
        parts.append(text.sliced(from, at - from));
        from = at + sep.size();
    }
    parts.append(text.sliced(from));
    return count;
}

// Each distinct tag text is removed everywhere at once; the walk ends at the
// first empty tag or at a "<" that no ">" follows.
QString StripTags(const QString& text) {
    QString result = text;
    QStringView work = text;
    for (;;) {
        const Between tag = locateBetween(work, u"<", u">");
        if (tag.valueStart < 0 || tag.valueEnd <= tag.valueStart) {
            return result;
        }
        const QStringView inner = work.sliced(tag.valueStart, tag.valueEnd - tag.valueStart);
        result.remove(QLatin1Char('<') + inner.toString() + QLatin1Char('>'));
        work = work.sliced(tag.valueStart);
    }
}

bool AllDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace phodex
