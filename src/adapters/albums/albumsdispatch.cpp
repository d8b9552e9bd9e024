// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "adapters/common/dispatchkit.h"
#include "core/catalogue.h"
#include "text/markers.h"

namespace phodex::dispatch {

bool IsNeteasePhotoSets(const QString& address, int) {
    return address.contains(SiteHosts::get(HostRole::NeteasePpMarker));
}

void DispatchNeteasePhotoSets(ListContext& ctx, QString address) {
    SetSubType(ctx, SubType::NeteasePhotoSets);
    RunList(ctx, "NeteasePpListAlbums", address);
}

void DispatchNetease(ListContext& ctx, QString address) {
    RunList(ctx, "NeteaseListAlbums", address);
}

// A user page without the "u/" part names the user only in its page.
void DispatchBaidu(ListContext& ctx, QString address) {
    QString user = address;
    if (!address.contains(QStringLiteral("u/"))) {
        std::optional<QString> page = ReadPage(address);
        if (!page)
            return;
        user = GetBetween(*page, QStringLiteral("/profile/"), QStringLiteral("\""), kConsume);
    }
    CutAfter(user, QStringLiteral("u/"));
    CutAtEach(user, {"/", "?", "#", "&"});
    RunList(ctx, "BaiduListAlbums", user);
    SetSubType(ctx, SubType::BaiduAlbums);
}

} // namespace phodex::dispatch
