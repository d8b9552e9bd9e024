// SPDX-License-Identifier: MIT
#include "core/sitehosts.h"

#include <array>

namespace phodex {
namespace {

using enum HostRole;
using enum HostKind;

// In the order of HostRole, so a role is its own index (checked below).
constexpr std::array kHosts = {
    SiteHostEntry{QqMarker, Marker, u"qq.com/"},
    SiteHostEntry{TencentWeiboHost, HostName, u"t.qq.com"},
    SiteHostEntry{QqGroupHost, HostName, u"qun.qq.com"},
    SiteHostEntry{BaiduMarker, Marker, u"baidu.com"},
    SiteHostEntry{NeteaseMarker, Marker, u"163.com/"},
    SiteHostEntry{RenrenMarker, Marker, u"renren.com"},
    SiteHostEntry{SinaMarker, Marker, u"sina.com.cn"},
    SiteHostEntry{WeiboMarker, Marker, u"weibo.com/"},
    SiteHostEntry{InstagramMarker, Marker, u"instagram.com"},
    SiteHostEntry{PocoMarker, Marker, u"poco.cn"},
    SiteHostEntry{YupooMarker, Marker, u"yupoo.com"},
    SiteHostEntry{Home51Marker, Marker, u"51.com"},
    SiteHostEntry{ZolMarker, Marker, u"zol.com.cn"},
    SiteHostEntry{PchomeMarker, Marker, u"pchome.com.tw"},
    SiteHostEntry{DoubanMarker, Marker, u"douban.com/"},
    SiteHostEntry{TaobaoMarker, Marker, u"taobao.com"},
    SiteHostEntry{TmallMarker, Marker, u"tmall.com/"},
    SiteHostEntry{Alibaba1688Marker, Marker, u"1688.com"},
    SiteHostEntry{AlibabaMarker, Marker, u"alibaba.com"},
    SiteHostEntry{AliExpressMarker, Marker, u"aliexpress.com"},
    SiteHostEntry{MokoMarker, Marker, u"moko.cc"},
    SiteHostEntry{BabytreeMarker, Marker, u"babytree.com"},
    SiteHostEntry{PconlineMarker, Marker, u"pconline.com.cn"},
    SiteHostEntry{HupuMarker, Marker, u"hupu.com"},
    SiteHostEntry{JdMarker, Marker, u"jd.com"},
    SiteHostEntry{JdHkMarker, Marker, u"jd.hk"},
    SiteHostEntry{WsxcMarker, Marker, u"szwego.com"},
    SiteHostEntry{HuabanMarker, Marker, u"huaban.com"},
    SiteHostEntry{HuabanProMarker, Marker, u"huabanpro.com"},
    SiteHostEntry{DuitangMarker, Marker, u"duitang.com"},
    SiteHostEntry{LofterMarker, Marker, u"lofter.com"},
    SiteHostEntry{TopitMarker, Marker, u".topit."},
    // The domain of the picture hosts the site's feeds point at (f1, f2, ...).
    SiteHostEntry{TopitPictureMarker, Marker, u".topitme."},
    SiteHostEntry{TiebaHost, HostName, u"tieba.baidu.com"},
    SiteHostEntry{NeteasePpMarker, Marker, u".pp.163.com"},
    SiteHostEntry{RenrenHost, HostName, u"www.renren.com"},
    SiteHostEntry{RenrenPublicHost, HostName, u"page.renren.com"},
    SiteHostEntry{RenrenZhanHost, HostName, u"zhan.renren.com"},
    SiteHostEntry{YupooCurrentMarker, Marker, u".x.yupoo.com"},
    SiteHostEntry{YupooHost, HostName, u"www.yupoo.com"},
    SiteHostEntry{ZolProductHost, HostName, u"detail.zol.com.cn"},
    SiteHostEntry{DoubanMovieHost, HostName, u"movie.douban.com"},
    SiteHostEntry{MokoHost, HostName, u"www.moko.cc"},
    SiteHostEntry{PconlinePhotoHost, HostName, u"photo.pconline.com.cn"},
    SiteHostEntry{JdItemMarker, Marker, u"item.jd."},
    SiteHostEntry{QzoneProxyHost, HostName, u"h5.qzone.qq.com"},
    SiteHostEntry{QzonePostsHost, HostName, u"taotao.qq.com"},
    SiteHostEntry{QzoneUserHost, HostName, u"user.qzone.qq.com"},
    SiteHostEntry{QzonePortalHost, HostName, u"qzone.qq.com"},
    SiteHostEntry{QzoneRouteHost, HostName, u"route.store.qq.com"},
    SiteHostEntry{QzoneRawStoreHost, HostName, u"r.photo.store.qq.com"},
    SiteHostEntry{QzonePhotoShortHost, Marker, u"photo.qq.com"},
    SiteHostEntry{QzonePhotoHost, HostName, u"photo.qzone.qq.com"},
    SiteHostEntry{QzonePostsAppHost, HostName, u"qzs.qq.com"},
    SiteHostEntry{QqGroupPhotoHost, HostName, u"u.photo.qzone.qq.com"},
    SiteHostEntry{TencentWeiboApiHost, HostName, u"api.t.qq.com"},
    SiteHostEntry{BaiduPassportHost, HostName, u"passport.baidu.com"},
    SiteHostEntry{WeiboHost, HostName, u"weibo.com"},
    SiteHostEntry{WeiboPhotoHost, HostName, u"photo.weibo.com"},
    SiteHostEntry{TaobaoLoginHost, HostName, u"login.taobao.com"},
    SiteHostEntry{HuabanHost, HostName, u"huaban.com"},
    SiteHostEntry{HupuPassportHost, HostName, u"passport.hupu.com"},
    SiteHostEntry{InstagramHost, HostName, u"www.instagram.com"},
    SiteHostEntry{ZolPhotoHost, HostName, u"photo.zol.com.cn"},
    SiteHostEntry{PchomePhotoHost, HostName, u"photo.pchome.com.tw"},
    SiteHostEntry{Home51Host, HostName, u"www.51.com"},
    SiteHostEntry{SinaPhotoBlogHost, HostName, u"photo.blog.sina.com.cn"},
    SiteHostEntry{PocoHost, HostName, u"www.poco.cn"},
    SiteHostEntry{HupuMemberHost, HostName, u"my.hupu.com"},
    SiteHostEntry{TopitHost, HostName, u"www.topit.me"},
    SiteHostEntry{LofterHomeHost, HostName, u"www.lofter.com"},
    SiteHostEntry{BabytreeHost, HostName, u"www.babytree.com"},
    SiteHostEntry{BabytreeHomeHost, HostName, u"home.babytree.com"},
    SiteHostEntry{NeteasePhotoHost, HostName, u"photo.163.com"},
    SiteHostEntry{NeteasePpHost, HostName, u"pp.163.com"},
    SiteHostEntry{NeteasePictureHost, HostName, u"ph.126.net"},
    SiteHostEntry{NeteaseBlogPictureHost, HostName, u"bimg.126.net"},
    SiteHostEntry{BaiduAlbumHost, HostName, u"xiangce.baidu.com"},
    SiteHostEntry{TiebaPictureHost, HostName, u"imgsrc.baidu.com"},
    SiteHostEntry{RenrenPhotoHost, HostName, u"photo.renren.com"},
    SiteHostEntry{TaobaoItemHost, HostName, u"item.taobao.com"},
    SiteHostEntry{TaobaoComboHost, HostName, u"meal.taobao.com"},
    SiteHostEntry{TmallItemHost, HostName, u"detail.tmall.com"},
    SiteHostEntry{Alibaba1688OfferHost, HostName, u"detail.1688.com"},
    SiteHostEntry{AlibabaHost, HostName, u"www.alibaba.com"},
    SiteHostEntry{AliExpressHost, HostName, u"www.aliexpress.com"},
    SiteHostEntry{JdItemHost, HostName, u"item.jd.com"},
    SiteHostEntry{DoubanHost, HostName, u"www.douban.com"},
    SiteHostEntry{YupooVideoHost, HostName, u"v.yupoo.com"},
    SiteHostEntry{YupooAlbumHost, HostName, u"x.yupoo.com"},
    SiteHostEntry{DuitangHost, HostName, u"www.duitang.com"},
    SiteHostEntry{WsxcHost, HostName, u"www.szwego.com"},
};

constexpr bool rolesAreIndices() {
    for (std::size_t i = 0; i < kHosts.size(); ++i) {
        if (static_cast<std::size_t>(kHosts[i].role) != i) {
            return false;
        }
    }
    return kHosts.size() == static_cast<std::size_t>(HostRole::Count);
}
static_assert(rolesAreIndices(), "one row per HostRole, in the order of the enum");

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString SiteHosts::get(HostRole role) {
    return toQString(kHosts[static_cast<std::size_t>(role)].text);
}

QString SiteHosts::https(HostRole role, const QString& path) {
    return QStringLiteral("https://") + get(role) + path;
}

std::span<const SiteHostEntry> SiteHosts::entries() {
    return kHosts;
}

QStringList SiteHosts::hostNames() {
    QStringList names;
    for (const SiteHostEntry& entry : kHosts) {
        if (entry.kind == HostKind::HostName) {
            names << toQString(entry.text);
        }
    }
    return names;
}

} // namespace phodex
