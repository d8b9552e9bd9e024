// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/wsxc/wsxcadapters.h"
#include "core/catalogue.h"
#include "core/seams/browserbridge.h"
#include "core/sitetable.h"
#include "text/markers.h"

// 微商相册: a shop's posts, read once the shop page ran its script in the
// browser.
namespace phodex {

namespace {

using namespace dispatch;

constexpr int kWsxcLoadMs = 20000;

void DispatchWsxc(ListContext& ctx, QString address) {
    ctx.session().setTextSlot(TextSlot::Second, address);
    // The listing service answers only once the shop page has run its script
    // in the browser: the page is loaded until it shows something, and what
    // it shows is not needed.
    ctx.env.browser.capturePageText(address, kWsxcLoadMs);
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
        .lists = {{"WsxcListAlbums", WsxcListAlbums}},
        .pictures = {{"WsxcListPhotos", WsxcListPhotos}},
    };
}

} // namespace phodex
