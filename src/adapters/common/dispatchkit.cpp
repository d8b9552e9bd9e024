// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"

#include "adapters/common/adapterkit.h"

#include "core/seams/userprompt.h"
#include "core/sitetable.h"
#include "net/fetch.h"
#include "net/pagetext.h"
#include "text/markers.h"

namespace phodex::dispatch {

void CutAfter(QString& text, const QString& marker) {
    SkipTo(text, marker, true);
}

void CutAtEach(QString& text, std::initializer_list<const char*> markers) {
    for (const char* marker : markers)
        CutAt(text, QString::fromUtf8(marker));
}

void EndWithSlash(QString& text) {
    if (!text.endsWith(QLatin1Char('/')))
        text += QLatin1Char('/');
}

bool NoAlbums(const ListContext& ctx) {
    return ctx.session().albums.isEmpty();
}

void Inform(ListContext& ctx, const QString& text) {
    ctx.env.prompt.information(text);
}

void InformIfEmpty(ListContext& ctx, const QString& text) {
    if (NoAlbums(ctx))
        Inform(ctx, text);
}

void SetSubType(ListContext& ctx, int subType) {
    ctx.session().subType = subType;
}

void StartAtOnce(ListContext& ctx) {
    ctx.session().startAtOnce = true;
}

void StartAtOnceIfOne(ListContext& ctx) {
    if (ctx.session().albums.count() == 1)
        StartAtOnce(ctx);
}

std::optional<QString> ReadPage(const QString& address) {
    CUrlRequest request = GzipPageRequest();
    request.url = address;
    CUrlResponse response;
    if (!Fetch(response, request, 0))
        return std::nullopt;
    return GetText(response, kTextInflate | kTextUtf8);
}

} // namespace phodex::dispatch
