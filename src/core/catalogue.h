// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The site categories (ListType) and the variants inside them (SubType).
// ListType is the index of the category box, the switch of both jobs and the
// index of the per-site entries of the settings record.
namespace phodex {

constexpr int kCategoryCount = 21;

namespace Category {
constexpr int Qq = 0; // QQ Zone, QQ group, Tencent Weibo
constexpr int Baidu = 1;
constexpr int Netease = 2;
constexpr int Renren = 3;
constexpr int Sina = 4; // Sina blog and Weibo
constexpr int Instagram = 5;
constexpr int Poco = 6;
constexpr int Yupoo = 7;
constexpr int Home51 = 8;
constexpr int Zol = 9; // only ever chosen by hand
constexpr int PchomeDouban = 10;
constexpr int Shops = 11; // Taobao, Tmall, 1688, Alibaba, AliExpress
constexpr int Moko = 12;
constexpr int Babytree = 13;
constexpr int Pconline = 14;
constexpr int Hupu = 15;
constexpr int Jd = 16; // JD and ZOL product pages
constexpr int Wsxc = 17;
constexpr int HuabanDuitang = 18;
constexpr int Lofter = 19;
constexpr int Topit = 20;
} // namespace Category

// The SubType values in use, by category. Several categories leave it at None.
namespace SubType {
constexpr int None = -1;
// Category::Qq: the three entries of the sub-type box.
constexpr int QzoneAlbums = 0;
constexpr int QqGroupAlbums = 1;
constexpr int TencentWeiboAlbums = 2;
// Category::Baidu
constexpr int BaiduAlbums = 0;
constexpr int TiebaForum = 1;
constexpr int TiebaThread = 2;
// Category::Netease
constexpr int NeteaseAlbums = None;
constexpr int NeteasePhotoSets = 1;
// Category::Renren
constexpr int RenrenAlbums = 0;
constexpr int RenrenZhan = 10;
// Category::Sina
constexpr int SinaPhotoAlbums = 0;
constexpr int SinaBlogArticles = 1;
constexpr int WeiboAlbums = 2;
// Category::Instagram
constexpr int InstagramProfile = 0;
// Category::Yupoo
constexpr int YupooClassic = None;
constexpr int YupooCurrent = 1;
// Category::Zol, and Category::Jd for ZOL product pages
constexpr int ZolAlbums = 0;
constexpr int ZolProduct = 1;
// Category::PchomeDouban
constexpr int PchomeAlbums = 0;
constexpr int DoubanAlbum = 1;
constexpr int DoubanMovie = 2;
// Category::Shops
constexpr int TaobaoTmall = None;
constexpr int Alibaba1688 = 2;
constexpr int Alibaba = 3;
constexpr int AliExpress = 4;
constexpr int AliExpressImagePaths = 5;
// Category::Babytree
constexpr int BabytreeAlbums = 0;
constexpr int BabytreeFallback = 1;
// Category::Jd
constexpr int JdProducts = 0;
// Category::Wsxc
constexpr int WsxcShop = 1;
// Category::HuabanDuitang
constexpr int DuitangAlbums = 0;
constexpr int HuabanBoard = 1;
} // namespace SubType

inline bool isValidListType(int listType) {
    return listType >= 0 && listType < kCategoryCount;
}

// The caption of the category box for listType; empty for an invalid one.
QString categoryCaption(int listType);
// All captions in index order, as the category box lists them.
QStringList categoryCaptions();
// The entries of the QQ sub-type box, in the order of their SubType values.
QStringList qqSubTypeEntries();

} // namespace phodex
