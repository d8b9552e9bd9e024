// SPDX-License-Identifier: MIT
#pragma once

#include "core/sitehosts.h"
#include "net/urlrequest.h"
#include "text/markers.h"

#include <QString>

#include <optional>

// Small pieces every site adapter is written with.
namespace phodex {

class JobContext;
class PageWalk;
class PictureContext;

// The cache-busting fraction many services take: one random number from 0 to
// 32767 divided by 32767, with 16 decimals.
QString RandomFraction();
// A millisecond clock value where the services want one that keeps changing;
// below 10^8, so that a query's "t" stays a positive int with a million per
// request added for every request a walk may make.
quint32 ClockValue();

// The text when it is a plain host name, else "": a host a service names
// goes into request addresses, where a path, a user part or a port would
// send the requests elsewhere.
QString PlainHostName(const QString& text);
// A value that goes into a query or a path: percent-encoded, so that what a
// site or the user wrote can never add parameters or end the address.
QString QueryValue(const QString& text);
// A value taken from an address, where it may already be percent-encoded:
// its escapes stay as they are, and whatever else could end the value or add
// parameters is encoded.
QString EncodedValue(const QString& text);
// "\/" made "/", as the services escape slashes in JSON strings.
QString Unslashed(QString text);
// A JSON string value as text: slashes unescaped and "\u" escapes decoded.
QString JsonText(const QString& value);
// The decimal number a value starts with after blanks; fallback when it
// starts with no digit (the service left the value out).
int LeadingNumber(const QString& text, int fallback = 0);

// A page request as every adapter builds it: no address yet, 20 s time-outs.
CUrlRequest PageRequest(const QString& headers);
// Fetch with flags 0, then the page text; "" when the fetch failed.
QString FetchText(CUrlResponse& response, const CUrlRequest& request, int textFlags);
// True when the reply's status line says 400 or above. Pages are otherwise
// read whatever their status; this is for the few places where an error page
// must not count as the site's answer.
bool IsErrorReply(const CUrlResponse& response);
// The header the sites are asked with where they need no other: every one
// of them answers compressed. Further lines follow it after "\r\n".
QString GzipHeader();
// A page request with GzipHeader() alone; endMarker: where the site's pages
// stop holding anything of use (the rest is not read).
CUrlRequest GzipPageRequest(const QByteArray& endMarker = {});
// One page as text, asked for as GzipPageRequest does; "" when the fetch failed.
QString FetchPage(const QString& address, int textFlags, const QByteArray& endMarker = {});

// A page an operation could not read: kept as log.err in the work folder
// (UTF-8, replacing the last one) for a bug report, and the user told so
// with callSite, the number that says which reading failed.
void ReportUnreadablePage(JobContext& ctx, const QString& text, int callSite);

// Hands one picture to the download job, unless its address is empty or the
// walk met it before; false when the album is to end (stop, or the rest was
// downloaded before). headers: the picture's own request header lines.
bool HandOverPicture(PictureContext& ctx, QString url, const QString& title, int albumIndex,
                     PageWalk& walk, const QString& headers = QString(),
                     const std::optional<QString>& extraText = std::nullopt);

} // namespace phodex
