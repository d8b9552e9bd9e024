// SPDX-License-Identifier: MIT
#include "core/addressclass.h"

#include "core/catalogue.h"
#include "core/sitehosts.h"

namespace phodex {
namespace {

struct CategoryMarker {
    Category category;
    HostRole marker;
};

// The order is the rule: the first marker found decides. An address with both
// Sina and Weibo markers is Sina's category anyway, and ZOL sits between the
// two JD markers so that ZOL product pages land with the JD products.
constexpr CategoryMarker kCategoryMarkers[] = {
    {Category::Baidu, HostRole::BaiduMarker},
    {Category::Netease, HostRole::NeteaseMarker},
    {Category::Renren, HostRole::RenrenMarker},
    {Category::Sina, HostRole::SinaMarker},
    {Category::Sina, HostRole::WeiboMarker},
    {Category::Instagram, HostRole::InstagramMarker},
    {Category::Poco, HostRole::PocoMarker},
    {Category::Yupoo, HostRole::YupooMarker},
    {Category::Home51, HostRole::Home51Marker},
    {Category::PchomeDouban, HostRole::PchomeMarker},
    {Category::PchomeDouban, HostRole::DoubanMarker},
    {Category::Shops, HostRole::TaobaoMarker},
    {Category::Shops, HostRole::TmallMarker},
    {Category::Shops, HostRole::Alibaba1688Marker},
    {Category::Shops, HostRole::AlibabaMarker},
    {Category::Shops, HostRole::AliExpressMarker},
    {Category::Moko, HostRole::MokoMarker},
    {Category::Babytree, HostRole::BabytreeMarker},
    {Category::Pconline, HostRole::PconlineMarker},
    {Category::Hupu, HostRole::HupuMarker},
    {Category::Jd, HostRole::JdMarker},
    {Category::Jd, HostRole::ZolMarker},
    {Category::Jd, HostRole::JdHkMarker},
    {Category::Wsxc, HostRole::WsxcMarker},
    {Category::HuabanDuitang, HostRole::HuabanMarker},
    {Category::HuabanDuitang, HostRole::HuabanProMarker},
    {Category::HuabanDuitang, HostRole::DuitangMarker},
    {Category::Lofter, HostRole::LofterMarker},
    {Category::Topit, HostRole::TopitMarker},
};

} // namespace

bool hasWebScheme(const QString& text) {
    return text.contains(QLatin1String("http://")) || text.contains(QLatin1String("https://"));
}

bool containsMarker(const QString& text, const QString& marker) {
    return text.indexOf(marker, 1) >= 0;
}

Category categoryFromMarkers(const QString& address) {
    // QQ goes first, except that an address holding both QQ and NetEase is NetEase's.
    if (containsMarker(address, SiteHosts::get(HostRole::QqMarker)) &&
        !address.contains(SiteHosts::get(HostRole::NeteaseMarker))) {
        return Category::Qq;
    }
    for (const CategoryMarker& row : kCategoryMarkers) {
        if (containsMarker(address, SiteHosts::get(row.marker))) {
            return row.category;
        }
    }
    return Category::None;
}

int qqSubTypeFromAddress(const QString& address) {
    if (containsMarker(address, SiteHosts::get(HostRole::TencentWeiboHost))) {
        return SubType::TencentWeiboAlbums;
    }
    if (containsMarker(address, SiteHosts::get(HostRole::QqGroupHost))) {
        return SubType::QqGroupAlbums;
    }
    return SubType::None;
}

} // namespace phodex
