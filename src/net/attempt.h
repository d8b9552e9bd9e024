// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

namespace phodex {

class PartFile;

// One attempt of a request, following redirects up to the final reply. The
// body goes to `file` when one is given (the caller decides whether to commit
// it), else into `response.body`.
bool runAttempt(CUrlResponse& response, const CUrlRequest& request, int flags, PartFile* file);

} // namespace phodex
