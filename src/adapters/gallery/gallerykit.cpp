// SPDX-License-Identifier: MIT
#include "adapters/gallery/gallerykit.h"

#include "adapters/common/adapterkit.h"
#include "core/jobcontext.h"
#include "core/pagewalk.h"
#include "core/webaddress.h"

namespace phodex {

QString OnHost(HostRole role, const QString& path) {
    // A protocol-relative link gets the plain scheme: these sites serve both,
    // and their older pages name only the plain one.
    if (StartsWithWebScheme(path) || path.startsWith(QStringLiteral("//")))
        return WithWebScheme(path);
    // A path glued to the host name without its slash would name another host.
    return SiteHosts::https(role, path.startsWith(u'/') ? path : u'/' + path);
}

void WalkNumberedPages(CUrlRequest& request, int textFlags, const QString& nextMarker,
                       PageWalk& walk, const std::function<QString(int page)>& address,
                       const std::function<bool(int page, QString& text)>& read) {
    CUrlResponse response;
    for (int page = 1; walk.nextPage(); ++page) {
        request.url = address(page);
        QString text = FetchText(response, request, textFlags);
        if (text.isEmpty())
            return;
        const bool more = text.contains(nextMarker);
        // read() cuts its text down to what it needs.
        const QString whole = text;
        if (!read(page, text) || !more)
            return;
        walk.notePage(whole);
    }
}

bool AddPagedAlbum(ListContext& ctx, PageWalk& walk, const AlbumInfo& album) {
    if (!walk.isNew(album.key + u'\n' + album.name + u'\n' + album.cover))
        return true;
    return ctx.addAlbum(album);
}

} // namespace phodex
