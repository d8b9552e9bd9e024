// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace phodex {

// Cuts a body at its markers: while `start` occurs, everything up to and
// including its first occurrence goes; then the body ends before the first
// occurrence of `end`. Empty markers are not looked for. The first `known`
// bytes are taken to have been through this already (a body that grows while
// it is read), so they are not searched again. True when `end` was found.
bool cutAtMarkers(QByteArray& body, const QByteArray& start, const QByteArray& end,
                  qsizetype known = 0);

} // namespace phodex
