// SPDX-License-Identifier: MIT
#include "core/catalogue.h"

#include <array>

namespace phodex {
namespace {

constexpr std::array<const char16_t*, kCategoryCount> kCaptions = {
    u"QQ空间/QQ群/腾讯微博",
    u"百度相册/贴吧",
    u"网易相册",
    u"人人网",
    u"新浪相册/新浪微博",
    u"Instagram",
    u"POCO",
    u"又拍",
    u"51相册",
    u"中关村在线(ZOL)",
    u"PChome/豆瓣",
    u"淘宝/天猫/1688/阿里巴巴/速卖通",
    u"美空",
    u"宝宝树",
    u"太平洋电脑网",
    u"虎扑",
    u"京东/ZOL产品",
    u"微商相册",
    u"花瓣/堆糖",
    u"LOFTER",
    u"Topit",
};

} // namespace

QString categoryCaption(Category category) {
    if (!isCatalogued(category)) {
        return {};
    }
    return QString::fromUtf16(kCaptions[static_cast<std::size_t>(categoryIndex(category))]);
}

QStringList categoryCaptions() {
    QStringList captions;
    for (const char16_t* caption : kCaptions) {
        captions << QString::fromUtf16(caption);
    }
    return captions;
}

QStringList qqSubTypeEntries() {
    return {QStringLiteral("QQ空间相册"), QStringLiteral("QQ群相册"),
            QStringLiteral("腾讯微博相册")};
}

} // namespace phodex
