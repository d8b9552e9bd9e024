// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/tieba/tiebaadapters.h"
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/escapes.h"
#include "text/markers.h"

// Baidu Tieba: a forum's picture albums, or one thread's pictures.
namespace phodex {

namespace dispatch {
namespace {

QString ForumName(QString address) {
    CutAfter(address, QStringLiteral("kw="));
    CutAtEach(address, {"/", "?", "#", "&"});
    return address;
}

// A Tieba post address becomes the photo path of its thread.
std::optional<QString> TiebaThreadAddress(ListContext& ctx, const QString& address) {
    QString post = address;
    CutAfter(post, QStringLiteral("com/p/"));
    CutAtEach(post, {"/", "?", "#", "&"});
    ctx.session().setTextSlot(TextSlot::First, post);
    std::optional<QString> page = ReadPage(address);
    if (!page)
        return std::nullopt;
    const QString forum = GetBetween(*page, QStringLiteral("?kw="), QStringLiteral("\""), kConsume);
    return SiteHosts::https(HostRole::TiebaHost,
                            QStringLiteral("/photo/p?kw=%1&fp=1&tid=%2").arg(forum, post));
}

void DispatchTiebaThread(ListContext& ctx, QString address, bool post) {
    if (post) {
        std::optional<QString> thread = TiebaThreadAddress(ctx, address);
        if (!thread)
            return;
        address = *thread;
    }
    RunList(ctx, "TiebaListThread", address);
    const QString forum = ForumName(address);
    ctx.session().setTextSlot(TextSlot::First, forum);
    ctx.session().setOwnerFolder(UrlDecodeUtf8(forum));
    SetSubType(ctx, SubType::TiebaThread);
    StartAtOnceIfOne(ctx);
}

bool IsTieba(const QString& address, int) {
    return address.contains(SiteHosts::get(HostRole::TiebaHost));
}

void DispatchTieba(ListContext& ctx, QString address) {
    const bool post = containsMarker(address, QStringLiteral("com/p/"));
    if (post || containsMarker(address, QStringLiteral("photo/p?kw="))) {
        DispatchTiebaThread(ctx, address, post);
        return;
    }
    const QString forum = ForumName(address);
    ctx.session().setTextSlot(TextSlot::First, forum);
    RunList(ctx, "TiebaListAlbums", forum);
    ctx.session().setOwnerFolder(UrlDecodeUtf8(forum));
    SetSubType(ctx, SubType::TiebaForum);
}

} // namespace
} // namespace dispatch

SiteFamily TiebaFamily() {
    return SiteFamily{
        .name = "tieba",
        .rows =
            {
                {.listType = Category::Baidu,
                 .subTypes = {SubType::TiebaForum},
                 .site = "Baidu Tieba",
                 .albumIs = "a forum's picture album",
                 .listOps = {"TiebaListAlbums"},
                 .pictureOps = {"TiebaListPhotos"},
                 .login = QStringLiteral("百度")},
                {.listType = Category::Baidu,
                 .subTypes = {SubType::TiebaThread, kAnyOtherSubType},
                 .site = "Baidu Tieba",
                 .albumIs = "one thread (its pictures)",
                 .listOps = {"TiebaListThread"},
                 .pictureOps = {"TiebaListThreadPhotos"}},
            },
        .dispatches = {{.listType = Category::Baidu,
                        .claims = dispatch::IsTieba,
                        .run = dispatch::DispatchTieba}},
        .lists = {{"TiebaListAlbums", TiebaListAlbums}, {"TiebaListThread", TiebaListThread}},
        .pictures = {{"TiebaListPhotos", TiebaListPhotos},
                     {"TiebaListThreadPhotos", TiebaListThreadPhotos}},
    };
}

} // namespace phodex
