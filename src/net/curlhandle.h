// SPDX-License-Identifier: MIT
#pragma once

#include <curl/curl.h>

// Each thread keeps one libcurl easy handle for its whole life. Resetting it
// between requests clears the options but keeps its open connections and TLS
// sessions, which is what makes a series of small requests cheap.
namespace phodex {

void ensureCurlGlobalInit();
// The calling thread's handle, with all options back at their defaults.
CURL* freshThreadHandle();
// Drops the calling thread's handle with its connections.
void releaseThreadHandle();

} // namespace phodex
