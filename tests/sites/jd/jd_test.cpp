// SPDX-License-Identifier: MIT
#include "adapters/jd/jdadapters.h"
#include "sites/stores/storesite.h"

#include <QFile>

namespace phodex::test {
namespace {

constexpr Category kJd = Category::Jd;
const std::string kHost = "item.jd.com";
const QString kProduct = u"https://item.jd.com/100050001.html"_s;
const QString kBlack1 = u"http://img14.360buyimg.com/n12/jfs/t1/100/black1.jpg"_s;
const QString kCommon = u"http://img14.360buyimg.com/n12/jfs/t1/100/common.jpg"_s;
const QString kGold1 = u"http://img14.360buyimg.com/n12/jfs/t1/200/gold1.jpg"_s;
const QString kGold3 = u"https://img30.360buyimg.com/n12/jfs/t1/200/gold3.jpg"_s;

class JdTest : public StoreSiteTest {
protected:
    void SetUp() override {
        StoreSiteTest::SetUp();
        servePage(kHost, "/100050001.html", Fixture("jd/item.html"));
        servePage(kHost, "/100050002.html", Fixture("jd/variant.html"));
    }

    void listAndPictures(const QString& address) {
        dispatch(kJd, address);
        ASSERT_EQ(session.albums.snapshot().size(), 1u);
        site.clearRequests();
        pictures(kJd, JdListPhotos, 0);
    }

    QList<qint64> waits() const { return pauses.sleeps(); }
};

TEST_F(JdTest, AProductPageIsOneAlbumInTheJdFolder) {
    dispatch(kJd, kProduct);
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0].name, u"小米 Xiaomi 手环8 亮黑色"_s);
    EXPECT_EQ(albums[0].key, kProduct);
    EXPECT_EQ(session.ownerFolder(), u"京东"_s);
    ASSERT_EQ(site.requests().size(), 1u);
    EXPECT_EQ(site.requests()[0].header("Accept-Encoding"), "gzip, deflate;");
}

TEST_F(JdTest, TheNameIsFoundInEachOfThePagesLayouts) {
    const struct {
        std::string page;
        QString name;
    } cases[] = {
        {.page = "<div class=\"sku-name\">手环</div>", .name = u"手环"_s},
        {.page = "<div class=sku-name><img src=\"a.png\"><b>新品</b>耳机</DIV></div>",
         .name = u"耳机"_s},
        {.page = "<ul><li class=\"item ellipsis\" title=\"充电宝\">充电宝</li></ul>",
         .name = u"充电宝"_s},
        {.page = "<div id=\"product-intro\"><h1>键盘</h1></div>", .name = u"键盘"_s},
    };
    for (const auto& c : cases) {
        servePage(kHost, "/5.html",
                  "<html><body>" + c.page + std::string(200, ' ') + "</body></html>");
        dispatch(kJd, u"https://item.jd.com/5.html"_s);
        EXPECT_EQ(albumNames(), QStringList{c.name}) << c.page;
    }
    servePage(kHost, "/5.html", "<html><body>" + std::string(300, ' ') + "</body></html>");
    dispatch(kJd, u"https://item.jd.com/5.html"_s);
    EXPECT_TRUE(albumNames().isEmpty());
    EXPECT_FALSE(prompt.informations().isEmpty());
}

TEST_F(JdTest, EveryVariantsPicturesOnceEachPausingAfterEachVariantPage) {
    listAndPictures(kProduct);

    // The product is the first variant: its page is the one read when
    // listing; the other variant's page is read, then a pause. The picture
    // both variants show is kept once.
    EXPECT_EQ(targetsAsked(kHost), (std::vector<std::string>{"/100050002.html"}));
    EXPECT_EQ(waits(), (QList<qint64>{2000}));
    EXPECT_EQ(urls(), (QStringList{kBlack1, kCommon, kGold1, kGold3}));
    EXPECT_EQ(names(), (QStringList{u"亮黑色_主图_001.jpg"_s, u"亮黑色_主图_002.jpg"_s,
                                    u"淡金色_主图_001.jpg"_s, u"淡金色_主图_003.jpg"_s}));
    EXPECT_EQ(downList.headers, (QStringList{u"Referer: https://item.jd.com/100050001.html"_s,
                                             u"Referer: https://item.jd.com/100050001.html"_s,
                                             u"Referer: https://item.jd.com/100050002.html"_s,
                                             u"Referer: https://item.jd.com/100050002.html"_s}));
}

// None of the variants is the product entered: each is read, and the
// product's own pictures come last, sent with its own address.
TEST_F(JdTest, AProductNotAmongItsVariantsComesLast) {
    servePage(kHost, "/100050009.html", Fixture("jd/item.html"));
    servePage(kHost, "/100050001.html", Fixture("jd/variant.html"));
    const QString address = u"https://item.jd.com/100050009.html"_s;
    listAndPictures(address);

    EXPECT_EQ(targetsAsked(kHost),
              (std::vector<std::string>{"/100050001.html", "/100050002.html"}));
    EXPECT_EQ(waits(), (QList<qint64>{2000, 2000}));
    EXPECT_EQ(urls(), (QStringList{kGold1, kCommon, kGold3, kBlack1}));
    ASSERT_EQ(downList.headers.size(), 4);
    EXPECT_EQ(downList.headers[3], u"Referer: "_s + address);
    EXPECT_EQ(names()[3], u"主图_001.jpg"_s);
}

TEST_F(JdTest, AVariantPageThatCannotBeReadIsPassedOver) {
    site.route("GET", kHost, "/100050002.html", site.resetMidBody());
    listAndPictures(kProduct);
    EXPECT_EQ(urls(), (QStringList{kBlack1, kCommon}));
    EXPECT_GE(site.countOf("/100050002.html"), 1);
}

TEST_F(JdTest, WithoutTheVariantWalkOnlyTheListedPageIsRead) {
    extension.jdVariantPictures = 0;
    listAndPictures(kProduct);
    EXPECT_TRUE(site.requests().empty());
    EXPECT_EQ(urls(), (QStringList{kBlack1, kCommon}));
    EXPECT_EQ(names(), (QStringList{u"主图_001.jpg"_s, u"主图_002.jpg"_s}));
    EXPECT_EQ(downList.headers,
              (QStringList{u"Referer: "_s + kProduct, u"Referer: "_s + kProduct}));
}

// A stub that sends the browser on: the product is listed from the page it
// names, and its pictures come from that page too.
TEST_F(JdTest, AStubPagesTargetGivesTheNameAndThePictures) {
    servePage(kHost, "/100050000.html", Fixture("jd/stub.html"));
    const QString address = u"https://item.jd.com/100050000.html"_s;
    dispatch(kJd, address);
    EXPECT_EQ(albumNames(), QStringList{u"小米 Xiaomi 手环8 亮黑色"_s});
    EXPECT_EQ(targetsAsked(kHost),
              (std::vector<std::string>{"/100050000.html", "/100050001.html"}));
    QFile log(workDir.filePath(u"log2.err"_s));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().startsWith("\xff\xfe"));

    extension.jdVariantPictures = 0;
    site.clearRequests();
    pictures(kJd, JdListPhotos, 0);
    EXPECT_EQ(urls(), (QStringList{kBlack1, kCommon}));
}

TEST_F(JdTest, TheDescriptionOnlyOptionListsNoMainPicture) {
    setOption(kJd, kOptionDescriptionPicturesOnly, true);
    listAndPictures(kProduct);
    EXPECT_TRUE(urls().isEmpty());
    EXPECT_TRUE(site.requests().empty());
}

TEST_F(JdTest, ThumbnailAddressesBecomeTheLargePictures) {
    const struct {
        const char* thumbnail;
        QString url;
    } cases[] = {
        {"//img10.360buyimg.com/n5/jfs/t1/a.jpg", u"http://img10.360buyimg.com/n12/jfs/t1/a.jpg"_s},
        {"'//img10.360buyimg.com/n9/s75x75_jfs/t1/b.jpg'",
         u"http://img10.360buyimg.com/n12/jfs/t1/b.jpg"_s},
        {"\"https://img10.360buyimg.com/n1/s50x64_jfs/c.jpg!cc_50x64.jpg\"",
         u"https://img10.360buyimg.com/n1/jfs/c.jpg"_s},
        {"//img10.360buyimg.com/n5/s54x54_g15/d.jpg",
         u"http://img10.360buyimg.com/n12/g15/d.jpg"_s},
        {"\\n//img10.360buyimg.com/n5/e.jpg", u"http://img10.360buyimg.com/n12/e.jpg"_s},
    };
    extension.jdVariantPictures = 0;
    for (const auto& c : cases) {
        servePage(kHost, "/6.html",
                  std::string("<div class=\"sku-name\">x</div><div><ul class=\"lh\"><li>"
                              "<img src=") +
                      c.thumbnail + " width=\"54\"></li><li><img src=nodot ></li></ul></div>" +
                      std::string(200, ' '));
        dispatch(kJd, u"https://item.jd.com/6.html"_s);
        pictures(kJd, JdListPhotos, 0);
        EXPECT_EQ(urls(), QStringList{c.url}) << c.thumbnail;
    }
}

} // namespace
} // namespace phodex::test
