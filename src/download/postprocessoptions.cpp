// SPDX-License-Identifier: MIT
#include "download/postprocessoptions.h"

#include "settings/record.h"

#include <QCoreApplication>

#include <array>

namespace phodex {

namespace {

constexpr std::array kItems{
    OptionItem{kOptionFixFormat, 32800, QT_TRANSLATE_NOOP("phodex::OptionItems", "修正图片格式")},
    OptionItem{kOptionFixOrder, 32799, QT_TRANSLATE_NOOP("phodex::OptionItems", "修正图片顺序")},
    OptionItem{kOptionTitleFile, 32804,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "生成图片原始名文件")},
    OptionItem{kOptionListOnly, 32802,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "只生成迅雷下载列表")},
    OptionItem{kOptionOpenFolder, 32812,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "下载完成后打开保存路径")},
    OptionItem{kOptionMainPicturesOnly, 32808,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "只下载宝贝(商品)主图")},
    OptionItem{kOptionSkipPrevious, 32774,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "不下载以前下载过的图片")},
    OptionItem{kOptionYupooLarge, 32776,
               QT_TRANSLATE_NOOP("phodex::OptionItems",
                                 "又拍相册下载大图（不勾选为下载原图，下载原图速度更慢）")},
    OptionItem{kOptionDescriptionPicturesOnly, 32814,
               QT_TRANSLATE_NOOP("phodex::OptionItems", "只下载宝贝(商品)描述里的图片")},
};

} // namespace

std::span<const OptionItem> OptionItems() {
    return kItems;
}

QString OptionCaption(const OptionItem& item) {
    return QCoreApplication::translate("phodex::OptionItems", item.caption);
}

std::uint16_t ToggleOption(std::uint16_t flags, std::uint16_t flag) {
    if (flags & flag)
        return std::uint16_t(flags & ~flag);
    if (flag == kOptionMainPicturesOnly)
        flags &= std::uint16_t(~kOptionDescriptionPicturesOnly);
    else if (flag == kOptionDescriptionPicturesOnly)
        flags &= std::uint16_t(~kOptionMainPicturesOnly);
    return std::uint16_t(flags | flag);
}

bool IsOptionOffered(std::uint16_t flag, Category listType) {
    if (flag == kOptionMainPicturesOnly || flag == kOptionDescriptionPicturesOnly)
        return listType == Category::Shops || listType == Category::Jd;
    if (flag == kOptionYupooLarge)
        return listType == Category::Yupoo;
    return true;
}

} // namespace phodex
