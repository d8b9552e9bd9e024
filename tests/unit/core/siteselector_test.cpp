// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "core/siteselector.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

struct Case {
    const char* address;
    Category startCategory; // the category box before the address was typed
    int startSubType;       // the sub-type box entry then (the QQ category only)
    Category listType;
    int subType;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.address << " from " << categoryIndex(c.startCategory) << "/" << c.startSubType;
}

SiteSelector selectorAfter(const Case& c) {
    SiteSelector selector;
    selector.selectCategory(c.startCategory);
    selector.selectSubType(c.startSubType);
    selector.ClassifyAddress(QString::fromUtf8(c.address));
    return selector;
}

class ClassifyTable : public ::testing::TestWithParam<Case> {};

TEST_P(ClassifyTable, SelectsCategoryAndSubType) {
    const Case& c = GetParam();
    const SiteSelector selector = selectorAfter(c);
    EXPECT_EQ(selector.listType(), c.listType);
    EXPECT_EQ(selector.subType(), c.subType);
    EXPECT_EQ(selector.subTypeBoxVisible(), c.listType == Category::Qq);
}

// One or more addresses per row of the category table, typed while another
// category was selected so that a miss would show.
INSTANTIATE_TEST_SUITE_P(
    EverySite, ClassifyTable,
    ::testing::Values(
        Case{"https://user.qzone.qq.com/123456789", Category::Instagram, 0, Category::Qq, 0},
        Case{"https://qun.qq.com/air/#!/12345678", Category::Instagram, 0, Category::Qq, 1},
        Case{"http://t.qq.com/someone", Category::Instagram, 0, Category::Qq, 2},
        Case{"https://photo.baidu.com/u/someone", Category::Qq, 0, Category::Baidu, -1},
        Case{"https://tieba.baidu.com/p/6543210987", Category::Qq, 0, Category::Baidu, -1},
        Case{"http://photo.163.com/someone/", Category::Qq, 0, Category::Netease, -1},
        Case{"http://pp.163.com/someone/pp/1234.html", Category::Qq, 0, Category::Netease, -1},
        Case{"http://www.renren.com/123456789/profile", Category::Qq, 0, Category::Renren, -1},
        Case{"http://photo.blog.sina.com.cn/u/1234567890", Category::Qq, 0, Category::Sina, -1},
        Case{"https://weibo.com/u/1234567890", Category::Qq, 0, Category::Sina, -1},
        Case{"https://www.instagram.com/someone/", Category::Qq, 0, Category::Instagram, -1},
        Case{"http://www.poco.cn/user/id123456", Category::Qq, 0, Category::Poco, -1},
        Case{"http://someone.yupoo.com/albums/", Category::Qq, 0, Category::Yupoo, -1},
        Case{"https://someone.x.yupoo.com/albums?tab=gallery", Category::Qq, 0, Category::Yupoo,
             -1},
        Case{"http://photo.51.com/someone", Category::Qq, 0, Category::Home51, -1},
        Case{"http://photo.pchome.com.tw/someone/", Category::Qq, 0, Category::PchomeDouban, -1},
        Case{"https://www.douban.com/photos/album/1234567/", Category::Qq, 0,
             Category::PchomeDouban, -1},
        Case{"https://movie.douban.com/subject/1292052/photos?type=S", Category::Qq, 0,
             Category::PchomeDouban, -1},
        Case{"https://shop123456.taobao.com/search.htm", Category::Qq, 0, Category::Shops, -1},
        Case{"https://detail.tmall.com/item.htm?id=123456", Category::Qq, 0, Category::Shops, -1},
        Case{"https://shop1234.1688.com/page/offerlist.htm", Category::Qq, 0, Category::Shops, -1},
        Case{"https://www.alibaba.com/product-detail/Bag_1600.html", Category::Qq, 0,
             Category::Shops, -1},
        Case{"https://www.aliexpress.com/item/100500.html", Category::Qq, 0, Category::Shops, -1},
        Case{"http://www.moko.cc/post/someone/list.html", Category::Qq, 0, Category::Moko, -1},
        Case{"http://www.babytree.com/user/someone/album", Category::Qq, 0, Category::Babytree, -1},
        Case{"http://photo.pconline.com.cn/someone/myphoto.html", Category::Qq, 0,
             Category::Pconline, -1},
        Case{"https://my.hupu.com/someone/photo", Category::Qq, 0, Category::Hupu, -1},
        Case{"https://item.jd.com/100012043978.html", Category::Qq, 0, Category::Jd, -1},
        Case{"https://item.jd.hk/100012043978.html", Category::Qq, 0, Category::Jd, -1},
        Case{"https://www.szwego.com/static/index.html#/shop_detail/A2019", Category::Qq, 0,
             Category::Wsxc, -1},
        Case{"https://huaban.com/boards/12345678/", Category::Qq, 0, Category::HuabanDuitang, -1},
        Case{"https://huabanpro.com/boards/12345678/", Category::Qq, 0, Category::HuabanDuitang,
             -1},
        Case{"https://www.duitang.com/album/?id=12345", Category::Qq, 0, Category::HuabanDuitang,
             -1},
        Case{"https://someone.lofter.com/", Category::Qq, 0, Category::Lofter, -1},
        Case{"http://www.topit.me/album/123456", Category::Qq, 0, Category::Topit, -1}));

// The order of the tests decides when an address holds markers of two sites.
INSTANTIATE_TEST_SUITE_P(
    Ordering, ClassifyTable,
    ::testing::Values(
        // QQ loses to NetEase, wherever the NetEase marker is.
        Case{"http://photo.163.com/share?from=https://user.qzone.qq.com/123", Category::Qq, 0,
             Category::Netease, -1},
        Case{"163.com/ https://user.qzone.qq.com/123", Category::Instagram, 0, Category::Instagram,
             -1},
        // Sina and Weibo are one category; earlier rows win over later ones.
        Case{"https://weibo.com/u/123?from=blog.sina.com.cn", Category::Qq, 0, Category::Sina, -1},
        Case{"https://weibo.com/u/123?ref=baidu.com", Category::Qq, 0, Category::Baidu, -1},
        Case{"https://www.douban.com/photos/album/1/?from=photo.163.com/x", Category::Qq, 0,
             Category::Netease, -1},
        // ZOL pages go with JD, even when ZOL's own category was selected.
        Case{"http://album.zol.com.cn/someone/", Category::Qq, 0, Category::Jd, -1},
        Case{"https://detail.zol.com.cn/picture_index_1/index1.shtml", Category::Zol, 0,
             Category::Jd, -1},
        // A marker that occurs only at the very first character does not count.
        Case{"baidu.com http://example.org/", Category::Instagram, 0, Category::Instagram, -1},
        Case{"qq.com/ https://example.org/", Category::Renren, 0, Category::Renren, -1},
        Case{"baidu.com https://tieba.baidu.com/f?kw=x", Category::Instagram, 0, Category::Baidu,
             -1}));

// Text without a web scheme never changes the category or the QQ sub-type.
INSTANTIATE_TEST_SUITE_P(
    BareText, ClassifyTable,
    ::testing::Values(Case{"123456789", Category::Qq, 1, Category::Qq, 1},
                      Case{"123456789", Category::Qq, 2, Category::Qq, 2},
                      Case{"123456789", Category::Instagram, 0, Category::Instagram, -1},
                      Case{"user.qzone.qq.com/1", Category::Yupoo, 0, Category::Yupoo, -1},
                      Case{"HTTP://t.qq.com/someone", Category::Qq, 1, Category::Qq, 1},
                      Case{"", Category::Qq, 2, Category::Qq, 2}));

INSTANTIATE_TEST_SUITE_P(
    QqSubType, ClassifyTable,
    ::testing::Values(
        // A QQ Zone address resets an earlier group choice.
        Case{"https://user.qzone.qq.com/123456789", Category::Qq, 1, Category::Qq, 0},
        Case{"https://qun.qq.com/air/#!/12345678", Category::Qq, 2, Category::Qq, 1},
        Case{"http://t.qq.com/someone", Category::Qq, 1, Category::Qq, 2},
        // Tencent Weibo is tested before the group host.
        Case{"http://t.qq.com/someone?ref=qun.qq.com", Category::Qq, 0, Category::Qq, 2},
        // Without "qq.com/" the hosts still set the sub-type, but only in the QQ category.
        Case{"http://t.qq.com", Category::Qq, 0, Category::Qq, 2},
        Case{"http://qun.qq.com", Category::Qq, 0, Category::Qq, 1},
        Case{"http://t.qq.com", Category::Yupoo, 0, Category::Yupoo, -1}));

// An address of a site we do not serve keeps the category; for QQ the
// sub-type box goes back to its first entry and the host rules apply again.
INSTANTIATE_TEST_SUITE_P(
    UnsupportedSite, ClassifyTable,
    ::testing::Values(
        Case{"https://www.example.com/gallery/1", Category::Qq, 2, Category::Qq, 0},
        Case{"https://www.example.com/gallery/1", Category::Yupoo, 0, Category::Yupoo, -1},
        Case{"https://www.example.com/gallery/1", Category::Zol, 0, Category::Zol, -1},
        Case{"https://www.example.com/gallery/1", Category::None, 0, Category::None, -1}));

TEST(SiteSelector, StartsOnQqWithTheSubTypeBoxShown) {
    const SiteSelector selector;
    EXPECT_EQ(selector.listType(), Category::Qq);
    EXPECT_TRUE(selector.subTypeBoxVisible());
    EXPECT_EQ(selector.subTypeEntries(),
              QStringList({QStringLiteral("QQ空间相册"), QStringLiteral("QQ群相册"),
                           QStringLiteral("腾讯微博相册")}));
    EXPECT_EQ(selector.subType(), SubType::QzoneAlbums);
}

TEST(SiteSelector, CategoryChangeArrangesTheSubTypeBox) {
    SiteSelector selector;
    selector.selectSubType(2);
    selector.selectCategory(Category::Yupoo);
    EXPECT_FALSE(selector.subTypeBoxVisible());
    EXPECT_EQ(selector.subType(), SubType::None);

    selector.selectCategory(Category::Qq);
    EXPECT_TRUE(selector.subTypeBoxVisible());
    EXPECT_EQ(selector.subTypeSelection(), 0);
}

TEST(SiteSelector, ZolCategoryIsReachedOnlyByHand) {
    SiteSelector selector;
    selector.ClassifyAddress(QStringLiteral("http://album.zol.com.cn/someone/"));
    ASSERT_EQ(selector.listType(), Category::Jd);
    selector.selectCategory(Category::Zol);
    EXPECT_EQ(selector.listType(), Category::Zol);
}

TEST(SiteSelector, IgnoresValuesOutOfRange) {
    SiteSelector selector;
    selector.selectCategory(Category::Hupu);
    selector.selectCategory(categoryAt(kCategoryCount));
    selector.selectCategory(static_cast<Category>(-2));
    EXPECT_EQ(selector.listType(), Category::Hupu);

    selector.selectCategory(Category::Qq);
    selector.selectSubType(1);
    selector.selectSubType(3);
    selector.selectSubType(-1);
    EXPECT_EQ(selector.subType(), SubType::QqGroupAlbums);
}

} // namespace
} // namespace phodex
