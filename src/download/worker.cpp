// SPDX-License-Identifier: MIT
#include "download/worker.h"

#include "core/webaddress.h"

#include "core/sitehosts.h"
#include "net/fetch.h"

#include <QFileInfo>

namespace phodex {

namespace {

constexpr int kWorkerFetchFlags = kFetchCacheWrite | kFetchUseCache;
constexpr std::uint32_t kWorkerTimeoutMs = 20000;
// A Topit picture this small is the site's placeholder, not the picture.
constexpr qint64 kTopitPlaceholderBytes = 600;

// The site's own domain, or the domain of the picture hosts its feeds name:
// the addresses the Topit picture operation makes are on the latter.
bool IsTopitAddress(const QString& address) {
    return address.indexOf(SiteHosts::get(HostRole::TopitMarker), 1) >= 1 ||
           address.indexOf(SiteHosts::get(HostRole::TopitPictureMarker), 1) >= 1;
}

// Names come from the naming rules and are single components; anything else
// would leave the album folder.
bool IsPlainName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
}

CUrlRequest PictureRequest(const CDownList& list, int index, const DownloadParams& params,
                           const std::atomic<bool>* cancel) {
    CUrlRequest request(QString(), list.folder + list.names.at(index), kWorkerTimeoutMs);
    request.readTimeoutMs = std::uint32_t(params.timeoutSeconds) * 1000;
    if (!list.headers.isEmpty() && index < list.headers.size())
        request.headers = list.headers.at(index);
    request.minSizeKb = params.minSizeKb;
    request.maxSizeKb = params.maxSizeKb;
    request.attempts = 2;
    request.pauseSeconds = 1;
    request.cancel = cancel;
    return request;
}

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load();
}

} // namespace

PictureAddress SplitPictureAddress(const QString& entry) {
    const qsizetype crlf = entry.indexOf(u"\r\n");
    if (crlf < 0)
        return {entry, QString()};
    return {entry.left(crlf), entry.mid(crlf + 2)};
}

bool DownloadPicture(const CDownList& list, int index, const DownloadParams& params,
                     const std::atomic<bool>* cancel) {
    if (index < 0 || index >= list.urls.size() || index >= list.names.size() ||
        !IsPlainName(list.names.at(index)))
        return false;
    const PictureAddress address = SplitPictureAddress(WithWebScheme(list.urls.at(index)));
    CUrlRequest request = PictureRequest(list, index, params, cancel);
    CUrlResponse response;
    request.url = address.primary;
    bool saved = Fetch(response, request, kWorkerFetchFlags);
    if (address.fallback.isEmpty() || Cancelled(cancel))
        return saved;
    // A body that failed is dropped by the engine, so "nothing usable"
    // covers both an empty reply and a broken transfer.
    const bool placeholder = saved && IsTopitAddress(address.fallback) &&
                             QFileInfo(request.savePath).size() < kTopitPlaceholderBytes;
    if (saved && !placeholder)
        return true;
    request.url = address.fallback;
    return Fetch(response, request, kWorkerFetchFlags) || saved;
}

} // namespace phodex
