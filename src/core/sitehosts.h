// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

// Every domain marker and host name the program knows, in one table, so that
// the classifier, the dispatch, the adapters and the test certificate can never
// disagree about a site's address.
namespace phodex {

// What a text of the table is used for.
enum class HostKind {
    // Searched for in an address: a domain, a domain followed by "/" where a
    // bare domain would also match unrelated text, or a name between dots.
    Marker,
    // A full host name: requests go to it and the test certificate names it.
    HostName,
};

// One enumerator per role, grouped by site. To add a role, add it here and
// give it its row, in the same place, in sitehosts.cpp.
enum class HostRole : int {
    QqMarker,         // QQ Zone, QQ group and Tencent Weibo addresses
    TencentWeiboHost, // the Tencent Weibo site
    QqGroupHost,      // the QQ group site
    BaiduMarker,
    NeteaseMarker,
    RenrenMarker,
    SinaMarker,
    WeiboMarker,
    InstagramMarker,
    PocoMarker,
    YupooMarker,
    Home51Marker,
    ZolMarker,
    PchomeMarker,
    DoubanMarker,
    TaobaoMarker,
    TmallMarker,
    Alibaba1688Marker,
    AlibabaMarker,
    AliExpressMarker,
    MokoMarker,
    BabytreeMarker,
    PconlineMarker,
    HupuMarker,
    JdMarker,
    JdHkMarker,
    WsxcMarker, // the 微商相册 wholesale album site
    HuabanMarker,
    HuabanProMarker,
    DuitangMarker,
    LofterMarker,
    TopitMarker,
    TopitPictureMarker,
    // Hosts and address forms the list dispatch tells apart.
    TiebaHost,
    NeteasePpMarker, // NetEase photo sets: the ".pp." subdomain form
    RenrenHost,
    RenrenPublicHost,   // public pages
    RenrenZhanHost,     // site stations
    YupooCurrentMarker, // the current pages' host form
    YupooHost,
    ZolProductHost, // product details
    DoubanMovieHost,
    MokoHost,
    PconlinePhotoHost,
    JdItemMarker,   // product pages: the item host label, a dot, the JD domain name and a dot
    QzoneProxyHost, // the mobile proxy in front of the QQ Zone services
    QzonePostsHost, // the shuoshuo (posts) service behind the proxy
    // QQ Zone, QQ group and Tencent Weibo services by role.
    QzoneUserHost,       // the user spaces: "/<QQ number>" is a space's home page
    QzonePortalHost,     // the portal home of the space site
    QzoneRouteHost,      // tells which hosts serve an owner (behind the proxy)
    QzoneRawStoreHost,   // the store of original uploads
    QzonePhotoShortHost, // the photo host as the route names it ...
    QzonePhotoHost,      // ... and its name under the space domain
    QzonePostsAppHost,   // serves the posts application page
    QqGroupPhotoHost,    // the group photo service behind the proxy
    TencentWeiboApiHost,
    // Login pages the login windows open.
    BaiduPassportHost,
    WeiboHost,
    WeiboPhotoHost, // the Weibo album and photo services
    TaobaoLoginHost,
    HuabanHost,
    HupuPassportHost,
    InstagramHost,
    // Gallery sites: where their album pages are read.
    ZolPhotoHost,
    PchomePhotoHost,
    Home51Host,
    SinaPhotoBlogHost,
    PocoHost,
    // Portfolio sites: where their album pages are read.
    HupuMemberHost,
    TopitHost,
    LofterHomeHost,
    BabytreeHost,     // the main site: user pages of the older layout
    BabytreeHomeHost, // the users' home pages and albums
    // Album sites: where their album pages are read.
    NeteasePhotoHost,       // the photo albums and their data calls
    NeteasePpHost,          // the photo-set owner pages
    NeteasePictureHost,     // pictures, named "img<n>." + this
    NeteaseBlogPictureHost, // pictures whose path holds "/photo/", named alike
    BaiduAlbumHost,         // the photo album site and its list services
    TiebaPictureHost,       // the forums' pictures, by picture id
    RenrenPhotoHost,        // the users' albums and their picture lists
    // Store sites: their product pages (read as the user entered them) and
    // the pages the adapters address themselves.
    TaobaoItemHost,  // Taobao product pages
    TaobaoComboHost, // serves the pages of combo ("meal") products in their place
    TmallItemHost,   // Tmall product pages
    Alibaba1688OfferHost,
    AlibabaHost,
    AliExpressHost,
    JdItemHost, // JD product pages: "/<product number>.html"
    // Douban: where its album pages are read (a film's stills are on DoubanMovieHost).
    DoubanHost,
    // Picture-sharing sites: where their pages and services are read.
    YupooVideoHost, // classic album pages of the video albums
    YupooAlbumHost, // current album pages the galleries link by path
    DuitangHost,    // the site and its album and blog services
    // 微商相册: the shops' pages and their listing service.
    WsxcHost,
    Count // keep last
};

struct SiteHostEntry {
    HostRole role;
    HostKind kind;
    std::u16string_view text; // lower case, as the sites write it
};

class SiteHosts {
public:
    // The text of one role.
    static QString get(HostRole role);
    // "https://" + the text of role + path: an address on the role's host.
    // path begins with "/" (or is empty for the bare origin).
    static QString https(HostRole role, const QString& path = QStringLiteral("/"));
    static std::span<const SiteHostEntry> entries();
    // Every HostName entry, for the names a test certificate has to cover.
    static QStringList hostNames();
};

} // namespace phodex
