// SPDX-License-Identifier: MIT
#include "net/bodymarkers.h"

#include <algorithm>

namespace phodex {

namespace {

// Where a marker could first complete, given that the first `known` bytes hold none.
qsizetype searchFrom(qsizetype known, const QByteArray& marker) {
    return std::max<qsizetype>(0, known - marker.size() + 1);
}

} // namespace

bool cutAtMarkers(QByteArray& body, const QByteArray& start, const QByteArray& end,
                  qsizetype known) {
    known = std::min(known, body.size());
    if (!start.isEmpty()) {
        qsizetype at;
        while ((at = body.indexOf(start, searchFrom(known, start))) >= 0) {
            const qsizetype removed = at + start.size();
            body.remove(0, removed);
            known = std::max<qsizetype>(0, known - removed);
        }
    }
    if (end.isEmpty())
        return false;
    const qsizetype at = body.indexOf(end, searchFrom(known, end));
    if (at < 0)
        return false;
    body.truncate(at);
    return true;
}

} // namespace phodex
