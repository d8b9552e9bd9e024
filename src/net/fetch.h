// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

// The request engine. Both calls block the calling thread; each thread keeps
// its own connections, so a series of requests to one host costs one handshake.
// The HTTP status is never judged: a request succeeds when a body arrives and
// passes the request's size and marker checks.
namespace phodex {

// Up to `request.attempts` attempts, pausing `pauseSeconds` after each one
// that fails or is rejected. True when a body was accepted.
bool Fetch(CUrlResponse& response, const CUrlRequest& request, int flags);

// One attempt, without the acceptance checks of Fetch.
bool FetchOnce(CUrlResponse& response, const CUrlRequest& request, int flags);

// Why the calling thread's latest failed attempt failed, in one line of
// text for diagnostics ("" before any failure).
QString LastFetchFailure();

// Closes the calling thread's open connections now instead of when the thread ends.
void CloseThreadConnections();

} // namespace phodex
