// SPDX-License-Identifier: MIT
#pragma once

// The site categories (ListType). A category's number is the index of the
// category box, of the per-site entries of "soft.dat" and of the command
// line's --site, so the numbers below are stored and must never change.
// The captions and the variants inside a category are in core/catalogue.h.
namespace phodex {

enum class Category : int {
    None = -1, // the category box is empty
    Qq = 0,    // QQ Zone, QQ group, Tencent Weibo
    Baidu = 1,
    Netease = 2,
    Renren = 3,
    Sina = 4, // Sina blog and Weibo
    Instagram = 5,
    Poco = 6,
    Yupoo = 7,
    Home51 = 8,
    Zol = 9, // only ever chosen by hand
    PchomeDouban = 10,
    Shops = 11, // Taobao, Tmall, 1688, Alibaba, AliExpress
    Moko = 12,
    Babytree = 13,
    Pconline = 14,
    Hupu = 15,
    Jd = 16, // JD and ZOL product pages
    Wsxc = 17,
    HuabanDuitang = 18,
    Lofter = 19,
    Topit = 20,
};

// The categories of the catalogue run from 0 to kCategoryCount - 1; a test's
// site table may add categories beyond them.
inline constexpr int kCategoryCount = 21;

constexpr int categoryIndex(Category category) {
    return static_cast<int>(category);
}

// The category with a stored or shown index; Category::None for a negative one.
constexpr Category categoryAt(int index) {
    return index < 0 ? Category::None : static_cast<Category>(index);
}

// True for the categories of the catalogue, false for None and added ones.
constexpr bool isCatalogued(Category category) {
    return categoryIndex(category) >= 0 && categoryIndex(category) < kCategoryCount;
}

} // namespace phodex
