// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

#include <QByteArray>
#include <QString>

// What the portfolio sites have in common: pages asked for with the same
// headers, and picture sizes named in the file name, and only there.
namespace phodex {

// A page request with the headers every portfolio site is asked with;
// endMarker: where the sites' pages stop holding anything of use.
CUrlRequest PortfolioRequest(const QByteArray& endMarker = {});
// One page as text, asked for as PortfolioRequest does; "" when the fetch failed.
QString FetchPage(const QString& address, int textFlags, const QByteArray& endMarker = {});

// Replaces the last `from` within the file name of url (the part after its
// last "/") by `to`; folders and the host keep what they say. False, and url
// unchanged, when the file name does not hold `from`.
bool ReplaceInFileName(QString& url, const QString& from, const QString& to);

// A value that goes into a path: percent-encoded like a query value, except
// that its "/" still separate folders.
QString PathValue(const QString& text);

} // namespace phodex
