// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/instagram/instagramadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

// Instagram: a whole profile as one album.
namespace phodex {

namespace {

using namespace dispatch;

void DispatchInstagram(ListContext& ctx, QString address) {
    if (!address.contains(SiteHosts::get(HostRole::InstagramMarker)))
        return;
    QString site = address;
    CutAt(site, QStringLiteral(".com/"));
    ctx.session().setTextSlot(TextSlot::First, site);
    CutAfter(address, QStringLiteral("com/"));
    CutAtEach(address, {"/", "?", "#"});
    RunList(ctx, "InstagramListAlbums", address);
    SetSubType(ctx, SubType::InstagramProfile);
    StartAtOnce(ctx);
}

} // namespace

SiteFamily InstagramFamily() {
    return SiteFamily{
        .name = "instagram",
        .rows = {{.listType = Category::Instagram,
                  .subTypes = {kAnyOtherSubType},
                  .site = "Instagram",
                  .albumIs = "the whole profile (one album)",
                  .listOps = {"InstagramListAlbums"},
                  .pictureOps = {"InstagramListPhotos"},
                  .login = QStringLiteral("Instagram")}},
        .dispatches = {{.listType = Category::Instagram, .run = DispatchInstagram}},
        .lists = {{"InstagramListAlbums", InstagramListAlbums}},
        .pictures = {{"InstagramListPhotos", InstagramListPhotos}},
    };
}

} // namespace phodex
