// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace phodex {

// The header lines to send: the caller's lines unchanged, the jar's cookies
// (merged into the caller's Cookie line when there is one, skipping names the
// caller already sends), and blank "Accept:" and "Expect:" lines so that
// libcurl adds neither header unless the caller asked for it.
QList<QByteArray> requestHeaderLines(const QString& extraHeaders, const QByteArray& jarCookies);

} // namespace phodex
