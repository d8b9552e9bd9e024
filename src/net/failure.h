// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

// Records why the calling thread's latest attempt failed (and writes it to
// the debug output); Fetch's callers read it back with LastFetchFailure().
void noteFailure(const QString& reason);

} // namespace phodex
