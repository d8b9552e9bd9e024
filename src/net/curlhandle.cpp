// SPDX-License-Identifier: MIT
#include "net/curlhandle.h"

#include <curl/curl.h>
#include <mutex>

namespace phodex {

namespace {

struct ThreadHandle {
    CURL* handle = nullptr;
    ~ThreadHandle() {
        if (handle)
            curl_easy_cleanup(handle);
    }
};

thread_local ThreadHandle t_handle;

} // namespace

void ensureCurlGlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CURL* freshThreadHandle() {
    ensureCurlGlobalInit();
    if (!t_handle.handle)
        t_handle.handle = curl_easy_init();
    else
        curl_easy_reset(t_handle.handle);
    return t_handle.handle;
}

void releaseThreadHandle() {
    if (t_handle.handle)
        curl_easy_cleanup(t_handle.handle);
    t_handle.handle = nullptr;
}

} // namespace phodex
