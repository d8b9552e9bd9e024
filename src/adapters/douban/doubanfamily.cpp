// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/douban/doubanadapters.h"
#include "core/addressclass.h"
#include "core/catalogue.h"
#include "core/sitetable.h"

#include <QCoreApplication>

// Douban: a photo album, or a film's stills; either starts at once.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char kDoubanNotPhotos[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "请输入豆瓣相册或电影图片页的网址(网址中含有/photos)");

bool IsDouban(const QString& address, int) {
    return containsMarker(address, SiteHosts::get(HostRole::DoubanMarker));
}

void DispatchDouban(ListContext& ctx, QString address) {
    if (!address.contains(QStringLiteral("/photos"))) {
        Inform(ctx, QCoreApplication::translate("phodex::Sites", kDoubanNotPhotos));
        return;
    }
    CutAtEach(address, {"&", "*", "?"});
    EndWithSlash(address);
    if (address.contains(SiteHosts::get(HostRole::DoubanMovieHost))) {
        RunList(ctx, "DoubanListMoviePhotos", address);
        SetSubType(ctx, SubType::DoubanMovie);
    } else {
        RunList(ctx, "DoubanListAlbums", address);
        SetSubType(ctx, SubType::DoubanAlbum);
    }
    StartAtOnce(ctx);
}

} // namespace

SiteFamily DoubanFamily() {
    return SiteFamily{
        .name = "douban",
        .rows = {{.listType = Category::PchomeDouban,
                  .subTypes = {SubType::DoubanAlbum, SubType::DoubanMovie, kAnyOtherSubType},
                  .site = "Douban",
                  .albumIs = "a photo album; a film's stills",
                  .listOps = {"DoubanListAlbums", "DoubanListMoviePhotos"},
                  .pictureOps = {"DoubanListPhotos"}}},
        .dispatches = {{.listType = Category::PchomeDouban,
                        .claims = IsDouban,
                        .run = DispatchDouban}},
        .lists = {{"DoubanListAlbums", DoubanListAlbums},
                  {"DoubanListMoviePhotos", DoubanListMoviePhotos}},
        .pictures = {{"DoubanListPhotos", DoubanListPhotos}},
    };
}

} // namespace phodex
