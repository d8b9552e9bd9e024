// SPDX-License-Identifier: MIT
#include "core/catalogue.h"

#include <QCoreApplication>

#include <array>

namespace phodex {
namespace {

// Our names of the categories; the language in use is applied when they are shown.
constexpr std::array<const char*, kCategoryCount> kCaptions = {
    QT_TRANSLATE_NOOP("phodex::Catalogue", "QQ空间/QQ群/腾讯微博"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "百度相册/贴吧"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "网易相册"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "人人网"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "新浪相册/新浪微博"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "Instagram"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "POCO"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "又拍"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "51相册"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "中关村在线(ZOL)"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "PChome/豆瓣"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "淘宝/天猫/1688/阿里巴巴/速卖通"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "美空"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "宝宝树"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "太平洋电脑网"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "虎扑"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "京东/ZOL产品"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "微商相册"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "花瓣/堆糖"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "LOFTER"),
    QT_TRANSLATE_NOOP("phodex::Catalogue", "Topit"),
};

} // namespace

QString categoryCaption(Category category) {
    if (!isCatalogued(category)) {
        return {};
    }
    return QCoreApplication::translate(
        "phodex::Catalogue", kCaptions[static_cast<std::size_t>(categoryIndex(category))]);
}

QStringList categoryCaptions() {
    QStringList captions;
    for (const char* caption : kCaptions) {
        captions << QCoreApplication::translate("phodex::Catalogue", caption);
    }
    return captions;
}

QStringList qqSubTypeEntries() {
    return {QCoreApplication::translate("phodex::Catalogue", "QQ空间相册"),
            QCoreApplication::translate("phodex::Catalogue", "QQ群相册"),
            QCoreApplication::translate("phodex::Catalogue", "腾讯微博相册")};
}

} // namespace phodex
