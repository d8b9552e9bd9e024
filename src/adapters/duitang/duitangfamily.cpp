// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/duitang/duitangadapters.h"
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QCoreApplication>

// Duitang: a user's albums, or one album that starts at once.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char kDuitangNoUser[] = QT_TRANSLATE_NOOP(
    "phodex::Sites", "没有找到堆糖用户，请检查网址\n请输入堆糖用户主页或相册的网址");

bool IsDuitang(const QString& address, int) {
    return address.contains(SiteHosts::get(HostRole::DuitangMarker));
}

void DispatchDuitang(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::DuitangAlbums);
    std::optional<QString> page = ReadPage(address);
    if (!page)
        return;
    const bool oneAlbum = containsMarker(address, QStringLiteral("/album/"));
    // The list operation reads one album from the first slot when it holds
    // a page: what an earlier listing left there is not this address's.
    ctx.session().setTextSlot(TextSlot::First, QString());
    if (oneAlbum) {
        QString id = address;
        id.replace(QStringLiteral("/album/?id="), QStringLiteral("/album/"));
        CutAfter(id, QStringLiteral("album/"));
        CutAtEach(id, {"?", "#", "/", "&"});
        ctx.session().setTextSlot(TextSlot::First, *page);
        ctx.session().setTextSlot(TextSlot::Second, id);
    }
    SkipTo(*page, QStringLiteral("dt-header-btm"));
    const QString user =
        GetBetween(*page, QStringLiteral("user_id="), QStringLiteral("\""), kConsume);
    if (user.isEmpty()) {
        Inform(ctx, QCoreApplication::translate("phodex::Sites", kDuitangNoUser));
        return;
    }
    ctx.session().setOwnerFolder(QStringLiteral("堆糖_") + user);
    RunList(ctx, "DuitangListAlbums", user);
    if (oneAlbum)
        StartAtOnce(ctx);
}

} // namespace

SiteFamily DuitangFamily() {
    return SiteFamily{
        .name = "duitang",
        .rows = {{.listType = Category::HuabanDuitang,
                  .subTypes = {SubType::DuitangAlbums},
                  .site = "Duitang",
                  .albumIs = "an album",
                  .listOps = {"DuitangListAlbums"},
                  .pictureOps = {"DuitangListPhotos"}}},
        .dispatches = {{.listType = Category::HuabanDuitang,
                        .claims = IsDuitang,
                        .run = DispatchDuitang}},
        .lists = {{"DuitangListAlbums", DuitangListAlbums}},
        .pictures = {{"DuitangListPhotos", DuitangListPhotos}},
    };
}

} // namespace phodex
