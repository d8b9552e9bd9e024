// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "core/siteselector.h"

#include <gtest/gtest.h>

namespace phodex {
namespace {

struct Case {
    const char* address;
    int startCategory; // the category box before the address was typed
    int startSubType;  // the sub-type box entry then (category 0 only)
    int listType;
    int subType;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.address << " from " << c.startCategory << "/" << c.startSubType;
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
    ::testing::Values(Case{"https://user.qzone.qq.com/123456789", 5, 0, 0, 0},
                      Case{"https://qun.qq.com/air/#!/12345678", 5, 0, 0, 1},
                      Case{"http://t.qq.com/someone", 5, 0, 0, 2},
                      Case{"https://photo.baidu.com/u/someone", 0, 0, 1, -1},
                      Case{"https://tieba.baidu.com/p/6543210987", 0, 0, 1, -1},
                      Case{"http://photo.163.com/someone/", 0, 0, 2, -1},
                      Case{"http://pp.163.com/someone/pp/1234.html", 0, 0, 2, -1},
                      Case{"http://www.renren.com/123456789/profile", 0, 0, 3, -1},
                      Case{"http://photo.blog.sina.com.cn/u/1234567890", 0, 0, 4, -1},
                      Case{"https://weibo.com/u/1234567890", 0, 0, 4, -1},
                      Case{"https://www.instagram.com/someone/", 0, 0, 5, -1},
                      Case{"http://www.poco.cn/user/id123456", 0, 0, 6, -1},
                      Case{"http://someone.yupoo.com/albums/", 0, 0, 7, -1},
                      Case{"https://someone.x.yupoo.com/albums?tab=gallery", 0, 0, 7, -1},
                      Case{"http://photo.51.com/someone", 0, 0, 8, -1},
                      Case{"http://photo.pchome.com.tw/someone/", 0, 0, 10, -1},
                      Case{"https://www.douban.com/photos/album/1234567/", 0, 0, 10, -1},
                      Case{"https://movie.douban.com/subject/1292052/photos?type=S", 0, 0, 10, -1},
                      Case{"https://shop123456.taobao.com/search.htm", 0, 0, 11, -1},
                      Case{"https://detail.tmall.com/item.htm?id=123456", 0, 0, 11, -1},
                      Case{"https://shop1234.1688.com/page/offerlist.htm", 0, 0, 11, -1},
                      Case{"https://www.alibaba.com/product-detail/Bag_1600.html", 0, 0, 11, -1},
                      Case{"https://www.aliexpress.com/item/100500.html", 0, 0, 11, -1},
                      Case{"http://www.moko.cc/post/someone/list.html", 0, 0, 12, -1},
                      Case{"http://www.babytree.com/user/someone/album", 0, 0, 13, -1},
                      Case{"http://photo.pconline.com.cn/someone/myphoto.html", 0, 0, 14, -1},
                      Case{"https://my.hupu.com/someone/photo", 0, 0, 15, -1},
                      Case{"https://item.jd.com/100012043978.html", 0, 0, 16, -1},
                      Case{"https://item.jd.hk/100012043978.html", 0, 0, 16, -1},
                      Case{"https://www.szwego.com/static/index.html#/shop_detail/A2019", 0, 0, 17,
                           -1},
                      Case{"https://huaban.com/boards/12345678/", 0, 0, 18, -1},
                      Case{"https://huabanpro.com/boards/12345678/", 0, 0, 18, -1},
                      Case{"https://www.duitang.com/album/?id=12345", 0, 0, 18, -1},
                      Case{"https://someone.lofter.com/", 0, 0, 19, -1},
                      Case{"http://www.topit.me/album/123456", 0, 0, 20, -1}));

// The order of the tests decides when an address holds markers of two sites.
INSTANTIATE_TEST_SUITE_P(
    Ordering, ClassifyTable,
    ::testing::Values(
        // QQ loses to NetEase, wherever the NetEase marker is.
        Case{"http://photo.163.com/share?from=https://user.qzone.qq.com/123", 0, 0, 2, -1},
        Case{"163.com/ https://user.qzone.qq.com/123", 5, 0, 5, -1},
        // Sina and Weibo are one category; earlier rows win over later ones.
        Case{"https://weibo.com/u/123?from=blog.sina.com.cn", 0, 0, 4, -1},
        Case{"https://weibo.com/u/123?ref=baidu.com", 0, 0, 1, -1},
        Case{"https://www.douban.com/photos/album/1/?from=photo.163.com/x", 0, 0, 2, -1},
        // ZOL pages go with JD, even when ZOL's own category was selected.
        Case{"http://album.zol.com.cn/someone/", 0, 0, 16, -1},
        Case{"https://detail.zol.com.cn/picture_index_1/index1.shtml", 9, 0, 16, -1},
        // A marker that occurs only at the very first character does not count.
        Case{"baidu.com http://example.org/", 5, 0, 5, -1},
        Case{"qq.com/ https://example.org/", 3, 0, 3, -1},
        Case{"baidu.com https://tieba.baidu.com/f?kw=x", 5, 0, 1, -1}));

// Text without a web scheme never changes the category or the QQ sub-type.
INSTANTIATE_TEST_SUITE_P(
    BareText, ClassifyTable,
    ::testing::Values(Case{"123456789", 0, 1, 0, 1}, Case{"123456789", 0, 2, 0, 2},
                      Case{"123456789", 5, 0, 5, -1}, Case{"user.qzone.qq.com/1", 7, 0, 7, -1},
                      Case{"HTTP://t.qq.com/someone", 0, 1, 0, 1}, Case{"", 0, 2, 0, 2}));

INSTANTIATE_TEST_SUITE_P(
    QqSubType, ClassifyTable,
    ::testing::Values(
        // A QQ Zone address resets an earlier group choice.
        Case{"https://user.qzone.qq.com/123456789", 0, 1, 0, 0},
        Case{"https://qun.qq.com/air/#!/12345678", 0, 2, 0, 1},
        Case{"http://t.qq.com/someone", 0, 1, 0, 2},
        // Tencent Weibo is tested before the group host.
        Case{"http://t.qq.com/someone?ref=qun.qq.com", 0, 0, 0, 2},
        // Without "qq.com/" the hosts still set the sub-type, but only in category 0.
        Case{"http://t.qq.com", 0, 0, 0, 2}, Case{"http://qun.qq.com", 0, 0, 0, 1},
        Case{"http://t.qq.com", 7, 0, 7, -1}));

// An address of a site we do not serve keeps the category; for QQ the
// sub-type box goes back to its first entry and the host rules apply again.
INSTANTIATE_TEST_SUITE_P(UnsupportedSite, ClassifyTable,
                         ::testing::Values(Case{"https://www.example.com/gallery/1", 0, 2, 0, 0},
                                           Case{"https://www.example.com/gallery/1", 7, 0, 7, -1},
                                           Case{"https://www.example.com/gallery/1", 9, 0, 9, -1},
                                           Case{"https://www.example.com/gallery/1", -1, 0, -1,
                                                -1}));

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
    selector.selectCategory(kCategoryCount);
    selector.selectCategory(-2);
    EXPECT_EQ(selector.listType(), Category::Hupu);

    selector.selectCategory(Category::Qq);
    selector.selectSubType(1);
    selector.selectSubType(3);
    selector.selectSubType(-1);
    EXPECT_EQ(selector.subType(), SubType::QqGroupAlbums);
}

} // namespace
} // namespace phodex
