// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Records why the calling thread's latest attempt at `url` failed (and writes
// both to the debug output); Fetch's callers read the reason back with
// LastFetchFailure().
void noteFailure(const QString& url, const QString& reason);

} // namespace phodex
