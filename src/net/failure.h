// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Records why the calling thread's latest attempt at `url` failed (and writes
// both to the debug output); Fetch's callers read the reason back with
// LastFetchFailure().
void noteFailure(const QString& url, const QString& reason);

// A download's file could not be made, written or put in place: its folder
// is full, read-only or gone. Kept apart from the reply's failures because
// no retry or other address helps; the job tells the user once.
void noteWriteFailure(const QString& path, const QString& cause);
// "<folder>: <cause>" of the calling thread's latest write failure since
// clearWriteFailure(); "" when there was none.
QString LastWriteFailure();
void clearWriteFailure();

} // namespace phodex
