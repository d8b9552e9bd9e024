// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"

#include "adapters/albums/albumadapters.h"
#include "adapters/gallery/galleryadapters.h"
#include "adapters/portfolio/portfolioadapters.h"
#include "adapters/qzone/qzoneadapters.h"
#include "adapters/weibo/weiboadapters.h"
#include "core/catalogue.h"

namespace phodex {

namespace {

using L = ListOp;
using P = PictureOp;
constexpr int kAny = kAnyOtherSubType;

const QString kLoginQq = QStringLiteral("QQ空间/QQ群");
const QString kLoginYupoo = QStringLiteral("又拍（下载器没弹窗提示你登录，就不要在这里登录）");

SiteRow Row(int listType, std::vector<int> subTypes, const char* site, const char* albumIs,
            std::vector<ListOp> lists, std::vector<PictureOp> pictures, QString login = {}) {
    return SiteRow{
        listType,         std::move(subTypes), QString::fromUtf8(site), QString::fromUtf8(albumIs),
        std::move(lists), std::move(pictures), std::move(login)};
}

void AddQqToRenrenRows(SiteTable& t) {
    t.addRow(Row(0, {0}, "QQ Zone", "a photo album of the owner's space, and the posts' pictures",
                 {L::QzoneListAlbums, L::QzoneListAlbumsV2},
                 {P::QzoneListPhotos, P::QzoneListPhotosV2}, kLoginQq));
    t.addRow(Row(0, {1}, "QQ group", "a group album", {L::QqGroupListAlbums},
                 {P::QqGroupListPhotos}, kLoginQq));
    t.addRow(Row(0, {2}, "Tencent Weibo", "a topic album of a user", {L::TencentWeiboListAlbums},
                 {P::TencentWeiboListPhotos},
                 QStringLiteral("腾讯微博（登录时勾上下次自动登录）")));
    t.addRow(Row(1, {0}, "Baidu photo album", "a user album", {L::BaiduListAlbums},
                 {P::BaiduListPhotos}, QStringLiteral("百度")));
    t.addRow(Row(1, {1}, "Baidu Tieba", "a forum's picture album", {L::TiebaListAlbums},
                 {P::TiebaListPhotos}, QStringLiteral("百度")));
    t.addRow(Row(1, {2, kAny}, "Baidu Tieba", "one thread (its pictures)", {L::TiebaListThread},
                 {P::TiebaListThreadPhotos}));
    t.addRow(Row(2, {1}, "NetEase photo sets", "a photo set", {L::NeteasePpListAlbums},
                 {P::NeteasePpListPhotos}));
    t.addRow(Row(2, {kAny}, "NetEase photo", "an album", {L::NeteaseListAlbums},
                 {P::NeteaseListPhotos}));
    t.addRow(Row(3, {0}, "Renren", "an album (three page layouts)",
                 {L::RenrenListAlbums, L::RenrenListAlbumsV7, L::RenrenListAlbumsPublic},
                 {P::RenrenListPhotos, P::RenrenListPhotos2, P::RenrenListPhotos3},
                 QStringLiteral("人人")));
    t.addRow(Row(3, {10}, "Renren site pages", "an archive tag of a site",
                 {L::RenrenZhanListAlbums}, {P::RenrenZhanListPhotos}));
}

void AddSinaToZolRows(SiteTable& t) {
    t.addRow(Row(4, {0}, "Sina photo blog", "a category", {L::SinaPhotoListAlbums},
                 {P::SinaPhotoListPhotos}));
    t.addRow(Row(4, {1}, "Sina blog", "one article (its pictures)", {L::SinaBlogListArticles},
                 {P::SinaBlogListPhotos}));
    t.addRow(Row(4, {2}, "Weibo", "an album of the user", {L::WeiboListAlbums},
                 {P::WeiboListPhotos}, QStringLiteral("新浪微博（登录时勾上下次自动登录）")));
    t.addRow(Row(5, {kAny}, "Instagram", "the whole profile (one album)", {L::InstagramListAlbums},
                 {P::InstagramListPhotos}, QStringLiteral("Instagram")));
    t.addRow(
        Row(6, {kAny}, "POCO", "a work (photo set)", {L::PocoListAlbums}, {P::PocoListPhotos}));
    t.addRow(Row(7, {1}, "Yupoo (current pages)", "an album", {L::YupooListAlbums},
                 {P::YupooListPhotos}, kLoginYupoo));
    t.addRow(Row(7, {kAny}, "Yupoo (classic pages)", "an album", {L::YupooClassicListAlbums},
                 {P::YupooClassicListPhotos}, kLoginYupoo));
    t.addRow(Row(8, {kAny}, "Home51", "an album", {L::Home51ListAlbums}, {P::Home51ListPhotos}));
    t.addRow(Row(9, {1}, "ZOL product page", "one product (its pictures)", {L::ZolProductList},
                 {P::ZolProductPhotos}));
    t.addRow(Row(9, {kAny}, "ZOL photo", "an album", {L::ZolListAlbums}, {P::ZolListPhotos}));
}

void AddPchomeToMokoRows(SiteTable& t) {
    t.addRow(
        Row(10, {0}, "PChome photo", "an album", {L::PchomeListAlbums}, {P::PchomeListPhotos}));
    t.addRow(Row(10, {1, 2, kAny}, "Douban", "a photo album; a film's stills",
                 {L::DoubanListAlbums, L::DoubanListMoviePhotos}, {P::DoubanListPhotos}));
    t.addRow(Row(11, {2}, "1688", "a product offer", {L::Alibaba1688ListProducts},
                 {P::Alibaba1688ListPhotos}));
    t.addRow(Row(11, {3}, "Alibaba international", "a product", {L::AlibabaListProducts},
                 {P::AlibabaListPhotos}));
    t.addRow(Row(11, {4}, "AliExpress", "a product", {L::AliExpressListProducts},
                 {P::AliExpressListPhotos}));
    t.addRow(Row(11, {5}, "AliExpress", "a product", {L::AliExpressListProducts},
                 {P::AliExpressListImagePaths}));
    t.addRow(Row(11, {kAny}, "Taobao, Tmall", "a product", {L::TaobaoListProducts},
                 {P::TaobaoListPhotos}, QStringLiteral("淘宝（强烈建议用小号登录）")));
    t.addRow(Row(12, {kAny}, "Moko", "a post", {L::MokoListAlbums}, {P::MokoListPhotos},
                 QStringLiteral("美空")));
}

void AddBabytreeToTopitRows(SiteTable& t) {
    t.addRow(Row(13, {0}, "Babytree", "an album of a user", {L::BabytreeListAlbums},
                 {P::BabytreeListPhotos}));
    t.addRow(Row(13, {1, kAny}, "Babytree", "an album of the fallback page",
                 {L::BabytreeListAlbumsFallback}, {P::BabytreeListPhotosFallback}));
    t.addRow(Row(14, {kAny}, "PConline", "a photo list", {L::PconlineListAlbums},
                 {P::PconlineListPhotos}));
    t.addRow(Row(15, {kAny}, "Hupu", "an album", {L::HupuListAlbums}, {P::HupuListPhotos},
                 QStringLiteral("虎扑")));
    t.addRow(Row(16, {1}, "ZOL product page", "one product (its pictures)", {L::ZolProductList},
                 {P::ZolProductPhotos}));
    t.addRow(Row(16, {0, kAny}, "JD", "a product", {L::JdListProducts}, {P::JdListPhotos}));
    t.addRow(Row(17, {1, kAny}, "微商相册", "one post (goods) of a shop", {L::WsxcListAlbums},
                 {P::WsxcListPhotos}, QStringLiteral("微商相册")));
    t.addRow(Row(18, {0}, "Duitang", "an album", {L::DuitangListAlbums}, {P::DuitangListPhotos}));
    t.addRow(Row(18, {1, kAny}, "Huaban", "a board", {L::HuabanListBoards}, {P::HuabanListPhotos},
                 QStringLiteral("花瓣网")));
    t.addRow(
        Row(19, {kAny}, "LOFTER", "a blog's posts", {L::LofterListAlbums}, {P::LofterListPhotos}));
    t.addRow(Row(20, {kAny}, "Topit", "an album", {L::TopitListAlbums}, {P::TopitListPhotos}));
}

void SetNotLanded(SiteTable& t) {
    for (int op = 0; op < int(ListOp::Count); ++op)
        t.setList(ListOp(op), NotLandedListAlbums);
    for (int op = 0; op < int(PictureOp::Count); ++op)
        t.setPicture(PictureOp(op), NotLandedListPhotos);
}

// Each adapter family sets its operations here as it lands, replacing the
// stand-ins.
void SetLanded(SiteTable& t) {
    SetQqOperations(t);
    SetWeiboOperations(t);
    SetGalleryOperations(t);
    SetPortfolioOperations(t);
    SetAlbumOperations(t);
}

} // namespace

SiteTable MakeSiteTable() {
    SiteTable table;
    AddQqToRenrenRows(table);
    AddSinaToZolRows(table);
    AddPchomeToMokoRows(table);
    AddBabytreeToTopitRows(table);
    SetNotLanded(table);
    SetLanded(table);
    return table;
}

} // namespace phodex
