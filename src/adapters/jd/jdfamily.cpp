// SPDX-License-Identifier: MIT
#include "adapters/common/dispatchkit.h"
#include "adapters/jd/jdadapters.h"
#include "core/catalogue.h"
#include "core/sitetable.h"
#include "text/markers.h"

#include <QCoreApplication>

// JD: one product page.
namespace phodex {

namespace {

using namespace dispatch;

constexpr char kJdNotItem[] =
    QT_TRANSLATE_NOOP("phodex::Sites", "请输入京东商品页的网址(item.jd.com)");

void DispatchJd(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::JdProducts);
    CutAt(address, QStringLiteral("#"));
    if (!address.contains(SiteHosts::get(HostRole::JdItemMarker))) {
        Inform(ctx, QCoreApplication::translate("phodex::Sites", kJdNotItem));
        return;
    }
    RunList(ctx, "JdListProducts", address);
    StartAtOnceIfOne(ctx);
}

} // namespace

SiteFamily JdFamily() {
    return SiteFamily{
        .name = "jd",
        .rows = {{.listType = Category::Jd,
                  .subTypes = {SubType::JdProducts, kAnyOtherSubType},
                  .site = "JD",
                  .albumIs = "a product",
                  .listOps = {"JdListProducts"},
                  .pictureOps = {"JdListPhotos"}}},
        .dispatches = {{.listType = Category::Jd, .run = DispatchJd}},
        .lists = {{"JdListProducts", JdListProducts}},
        .pictures = {{"JdListPhotos", JdListPhotos}},
    };
}

} // namespace phodex
