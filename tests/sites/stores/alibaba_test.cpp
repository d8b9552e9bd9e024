// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "core/catalogue.h"
#include "storesite.h"

#include <QFile>

namespace phodex::test {
namespace {

const std::string k1688Host = "detail.1688.com";
const std::string kAlibabaHost = "www.alibaba.com";
const QString kOffer = u"https://detail.1688.com/offer/620300400.html"_s;
const QString kProduct = u"https://www.alibaba.com/product-detail/Stainless-Flask_6001.html"_s;

class AlibabaTest : public StoreSiteTest {
protected:
    void SetUp() override {
        StoreSiteTest::SetUp();
        servePage(k1688Host, "/offer/620300400.html", Fixture("1688/offer.html"));
        servePage(kAlibabaHost, "/product-detail/Stainless-Flask_6001.html",
                  Fixture("alibaba/product.html"));
    }
};

TEST_F(AlibabaTest, AnOfferOrProductPageIsOneAlbumInItsShopsFolder) {
    servePage(kAlibabaHost, "/product-detail/Teapot_7.html",
              Fixture("alibaba/plain-shop-name.html"));
    const struct {
        QString address;
        int subType;
        QString name;
        QString owner;
    } cases[] = {
        // 1688 pages are GBK; the picture link's title loses its "click to
        // enlarge".
        {.address = kOffer,
         .subType = SubType::Alibaba1688,
         .name = u"批发 不锈钢保温杯 500ml"_s,
         .owner = u"义乌市好杯子厂"_s},
        {.address = kProduct,
         .subType = SubType::Alibaba,
         .name = u"Stainless Steel Vacuum Flask 500ml"_s,
         .owner = u"Yongkang Cup Co., Ltd"_s},
        // The shop's name written straight into its element.
        {.address = u"https://www.alibaba.com/product-detail/Teapot_7.html"_s,
         .subType = SubType::Alibaba,
         .name = u"Glass Teapot"_s,
         .owner = u"Ningbo Glassware Factory"_s},
    };
    for (const auto& c : cases) {
        dispatch(kShops, c.address);
        const auto albums = session.albums.snapshot();
        ASSERT_EQ(albums.size(), 1u) << c.address.toStdString();
        EXPECT_EQ(albums[0].name, c.name);
        EXPECT_EQ(albums[0].key, c.address);
        EXPECT_EQ(session.ownerFolder(), c.owner);
        EXPECT_EQ(session.subType.load(), c.subType);
        ASSERT_EQ(site.requests().size(), 1u);
        const ReceivedRequest page = site.requests()[0];
        EXPECT_EQ(page.header("Accept-Language"), "zh-cn");
        EXPECT_EQ(page.header("Referer"), c.address.toStdString());
        EXPECT_TRUE(prompt.informations().isEmpty());
    }
}

TEST_F(AlibabaTest, APageWithoutTheShopsNameListsNothingAndSaysWhy) {
    servePage(k1688Host, "/offer/1.html", Fixture("1688/login.html"));
    servePage(k1688Host, "/offer/2.html", "<html><title>x</title></html>");
    dispatch(kShops, u"https://detail.1688.com/offer/1.html"_s);
    dispatch(kShops, u"https://detail.1688.com/offer/2.html"_s);
    EXPECT_TRUE(albumNames().isEmpty());
    const QStringList told = prompt.informations();
    // The login page's message, then the dispatch's own for the empty list;
    // then the unknown page's message, and the dispatch's again.
    ASSERT_EQ(told.size(), 4) << told.join(u'|').toStdString();
    EXPECT_TRUE(told[0].contains(u"登录"_s)) << told[0].toStdString();
    EXPECT_NE(told[2], told[0]);
    EXPECT_EQ(told[1], told[3]);
}

TEST_F(AlibabaTest, OfferPicturesKeepTheNumberOfAnEmptySlot) {
    dispatch(kShops, kOffer);
    site.clearRequests();
    pictures(kShops, Alibaba1688ListPhotos, 0, SubType::Alibaba1688);

    EXPECT_TRUE(targetsAsked(k1688Host).empty()) << "the listed page is used";
    EXPECT_EQ(urls(), (QStringList{u"https://cbu01.alicdn.com/img/ibank/2020/001/1.jpg"_s,
                                   u"http://cbu01.alicdn.com/img/ibank/2020/003/3.jpg"_s}));
    EXPECT_EQ(names(), (QStringList{u"主图_001.jpg"_s, u"主图_003.jpg"_s}));
    for (const QString& headers : downList.headers)
        EXPECT_EQ(headers, u"Referer: "_s + kOffer);
}

TEST_F(AlibabaTest, AnOfferNotListedLastIsReadAgainAndCheckedForItsPictures) {
    servePage(k1688Host, "/offer/3.html", "<html>no pictures here</html>");
    AlbumInfo album;
    album.key = kOffer;
    pictures(kShops, Alibaba1688ListPhotos, addAlbum(album), SubType::Alibaba1688);
    ASSERT_EQ(requestsFor(k1688Host, "/offer/620300400.html").size(), 1u);
    EXPECT_EQ(requestsFor(k1688Host, "/offer/620300400.html")[0].header("Accept-Language"),
              "zh-cn");
    EXPECT_EQ(urls().size(), 2);

    album.key = u"https://detail.1688.com/offer/3.html"_s;
    downList = {};
    pictures(kShops, Alibaba1688ListPhotos, addAlbum(album), SubType::Alibaba1688);
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_EQ(prompt.informations(),
              (QStringList{u"获取信息出错(2),请将程序目录下的log.err文件发给作者,以便修改"_s}));
    EXPECT_TRUE(QFile::exists(workDir.filePath(u"log.err"_s)));
}

TEST_F(AlibabaTest, ProductPicturesLoseTheirSizeSuffix) {
    dispatch(kShops, kProduct);
    pictures(kShops, AlibabaListPhotos, 0, SubType::Alibaba);
    EXPECT_EQ(urls(), (QStringList{u"http://sc04.alicdn.com/kf/HTB1flask1.jpg"_s,
                                   u"http://sc04.alicdn.com/kf/HTB1flask2.jpg"_s,
                                   u"https://sc04.alicdn.com/kf/HTB1flask3.png"_s}));
    EXPECT_EQ(names(), (QStringList{u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_003.jpg"_s}));
    for (const QString& headers : downList.headers)
        EXPECT_EQ(headers, u"Referer: "_s + kProduct);
}

TEST_F(AlibabaTest, TheDescriptionOnlyOptionListsNoMainPicture) {
    setOption(kShops, kOptionDescriptionPicturesOnly, true);
    dispatch(kShops, kOffer);
    pictures(kShops, Alibaba1688ListPhotos, 0, SubType::Alibaba1688);
    EXPECT_TRUE(urls().isEmpty());
    dispatch(kShops, kProduct);
    pictures(kShops, AlibabaListPhotos, 0, SubType::Alibaba);
    EXPECT_TRUE(urls().isEmpty());
}

} // namespace
} // namespace phodex::test
