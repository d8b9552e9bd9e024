// SPDX-License-Identifier: MIT
#pragma once

#include "net/appliednetconfig.h"
#include "net/curllist.h"
#include "net/urlrequest.h"

#include <curl/curl.h>
#include <optional>

namespace phodex {

// The options every hop of a request shares: agent, connection time-out,
// protocols, and the process-wide connect-to rules, authorities and proxy.
// `config` and `connectTo` must outlive the transfer.
void applySharedOptions(CURL* handle, const AppliedNetConfig& config, const CUrlRequest& request,
                        int flags, CurlList& connectTo);

// Method and body of one hop.
void applyMethod(CURL* handle, const QByteArray& verb, const std::optional<QByteArray>& body);

} // namespace phodex
