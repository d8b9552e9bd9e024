// SPDX-License-Identifier: MIT
#pragma once

#include "net/urlrequest.h"

namespace phodex {

class PartFile;

// Fetch's judgement of a body that arrived: `minLength` and `retryMarker`,
// on the inflated body with flag 0x01 when the reply is gzip. The body is
// `response.body`, or the part file's content when there is one.
bool acceptBody(CUrlResponse& response, const CUrlRequest& request, int flags, PartFile* file);

} // namespace phodex
