// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "core/catalogue.h"
#include "core/seams/browserbridge.h"
#include "core/sitetable.h"
#include "text/markers.h"

// 微商相册: a shop's posts, read once the shop page ran its script in the
// browser. Its adapters are not written yet.
namespace phodex {

namespace {

using namespace dispatch;

constexpr int kWsxcLoadMs = 20000;

void DispatchWsxc(ListContext& ctx, QString address) {
    ctx.session().setTextSlot(TextSlot::Second, address);
    ctx.env.browser.navigateAndWait(address, kWsxcLoadMs);
    if (!address.contains(QStringLiteral("shop_detail/")))
        return;
    CutAfter(address, QStringLiteral("shop_detail/"));
    CutAt(address, QStringLiteral("/"));
    RunList(ctx, "WsxcListAlbums", address);
    SetSubType(ctx, SubType::WsxcShop);
}

} // namespace

SiteFamily WsxcFamily() {
    return SiteFamily{
        .name = "wsxc",
        .rows = {{.listType = Category::Wsxc,
                  .subTypes = {SubType::WsxcShop, kAnyOtherSubType},
                  .site = "微商相册",
                  .albumIs = "one post (goods) of a shop",
                  .listOps = {"WsxcListAlbums"},
                  .pictureOps = {"WsxcListPhotos"},
                  .login = QStringLiteral("微商相册")}},
        .dispatches = {{.listType = Category::Wsxc, .run = DispatchWsxc}},
    };
}

} // namespace phodex
