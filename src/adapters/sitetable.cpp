// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"

namespace phodex {

// Each family describes itself in its own folder.
SiteFamily QzoneFamily();
SiteFamily AlbumsFamily();
SiteFamily TiebaFamily();
SiteFamily RenrenFamily();
SiteFamily GalleryFamily();
SiteFamily WeiboFamily();
SiteFamily InstagramFamily();
SiteFamily YupooFamily();
SiteFamily DoubanFamily();
SiteFamily StoresFamily();
SiteFamily PortfolioFamily();
SiteFamily JdFamily();
SiteFamily WsxcFamily();
SiteFamily HuabanFamily();
SiteFamily DuitangFamily();

std::vector<SiteFamily> SiteFamilies() {
    return {
        QzoneFamily(),
        AlbumsFamily(),
        GalleryFamily(),
        WeiboFamily(),
        PortfolioFamily(),
        WsxcFamily(),
        // Only rows and dispatches so far: their operations are not written
        // yet, so they find nothing and say so.
        TiebaFamily(),
        RenrenFamily(),
        InstagramFamily(),
        YupooFamily(),
        DoubanFamily(),
        StoresFamily(),
        JdFamily(),
        DuitangFamily(),
        HuabanFamily(),
    };
}

SiteTable MakeSiteTable() {
    SiteTable table;
    for (const SiteFamily& family : SiteFamilies())
        table.addFamily(family);
    return table;
}

} // namespace phodex
