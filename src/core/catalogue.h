// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>
#include <QStringList>

// The captions of the site categories and the variants inside them (SubType).
namespace phodex {

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

// The caption of the category box; empty for one outside the catalogue.
QString categoryCaption(Category category);
// All captions in index order, as the category box lists them.
QStringList categoryCaptions();
// The entries of the QQ sub-type box, in the order of their SubType values.
QStringList qqSubTypeEntries();

} // namespace phodex
