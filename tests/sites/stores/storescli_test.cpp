// SPDX-License-Identifier: MIT
#include "sites/clirunner.h"
#include "storesite.h"
#include "support/siteoption.h"

namespace phodex::test {
namespace {

// phodex-cli as a user runs it, its requests sent to the fake shops.
class StoresCliTest : public StoreSiteTest {
protected:
    void SetUp() override {
        StoreSiteTest::SetUp();
        servePage("item.taobao.com", "/item.htm", Fixture("taobao/item.html"));
        servePage("detail.tmall.com", "/item.htm", Fixture("tmall/item.html"));
        servePage("detail.1688.com", "/offer/620300400.html", Fixture("1688/offer.html"));
        servePage("www.alibaba.com", "/product-detail/Flask_6001.html",
                  Fixture("alibaba/product.html"));
        servePage("www.aliexpress.com", "/item/3256800100.html",
                  Fixture("aliexpress/old-layout.html"));
        servePage("www.aliexpress.com", "/item/1005001.html",
                  Fixture("aliexpress/new-layout.html"));
        servePage("item.jd.com", "/100050001.html", Fixture("jd/item.html"));
        servePage("item.jd.com", "/100050002.html", Fixture("jd/variant.html"));
    }

    CliRun cli(const QStringList& arguments) { return RunCli(site, workDir.path(), arguments); }

    // The header given of the requests to the hosts of a picture domain.
    std::vector<std::string> pictureHeaders(const std::string& domain, const char* header) const {
        std::vector<std::string> values;
        for (const ReceivedRequest& r : site.requests()) {
            if (r.host.ends_with(domain))
                values.push_back(r.header(header));
        }
        return values;
    }
};

TEST_F(StoresCliTest, EachShopsProductDownloadsItsMainPicturesIntoTheShopsFolder) {
    const struct {
        QString address;
        std::string pictureDomain;
        QString shop;
        QStringList files;
    } cases[] = {
        {.address = u"https://item.taobao.com/item.htm?id=600900001"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"小红的店"_s,
         .files = {u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_004.jpg"_s}},
        {.address = u"https://detail.tmall.com/item.htm?id=610100002"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"陶瓷之家旗舰店"_s,
         .files = {u"主图_001.jpg"_s, u"主图_002.jpg"_s}},
        {.address = u"https://detail.1688.com/offer/620300400.html"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"义乌市好杯子厂"_s,
         .files = {u"主图_001.jpg"_s, u"主图_003.jpg"_s}},
        {.address = u"https://www.alibaba.com/product-detail/Flask_6001.html"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"Yongkang Cup Co., Ltd"_s,
         .files = {u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_003.jpg"_s}},
        {.address = u"https://www.aliexpress.com/item/3256800100.html"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"SoundGo Official Store"_s,
         .files = {u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_003.jpg"_s}},
        {.address = u"https://www.aliexpress.com/item/1005001.html"_s,
         .pictureDomain = ".alicdn.com",
         .shop = u"CaseWorld Store"_s,
         .files = {u"主图_000.jpg"_s, u"主图_001.jpg"_s, u"主图_002.jpg"_s}},
        {.address = u"https://item.jd.com/100050001.html"_s,
         .pictureDomain = ".360buyimg.com",
         .shop = u"京东"_s,
         .files = {u"亮黑色_主图_001.jpg"_s, u"亮黑色_主图_002.jpg"_s, u"淡金色_主图_001.jpg"_s,
                   u"淡金色_主图_003.jpg"_s}},
    };
    for (const auto& c : cases) {
        site.clearRequests();
        QTemporaryDir save;
        const CliRun run = cli({u"download"_s, c.address, u"--save"_s, save.path()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QStringList files = FilesBelow(save.path());
        QStringList inShop;
        for (const QString& file : files) {
            EXPECT_TRUE(file.startsWith(c.shop + u'/')) << file.toStdString();
            if (!file.endsWith(u".korvo"_s))
                inShop << file.section(u'/', -1);
        }
        EXPECT_EQ(inShop, c.files)
            << c.address.toStdString() << " " << files.join(u' ').toStdString();
        // Each picture is asked for with its product's page (a JD variant's
        // with the variant's page) as the Referer.
        const std::vector<std::string> referers = pictureHeaders(c.pictureDomain, "Referer");
        EXPECT_EQ(referers.size(), size_t(c.files.size()));
        for (const std::string& referer : referers) {
            const bool variantPage = referer == "https://item.jd.com/100050002.html";
            EXPECT_TRUE(referer == c.address.toStdString() || (c.shop == u"京东"_s && variantPage))
                << referer;
        }
    }
}

TEST_F(StoresCliTest, ThePricePrefixFollowsTheIniFile) {
    QFile ini(workDir.filePath(u"下载器扩展设置.ini"_s));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(u"[淘宝]\r\n图片名中是否有价格=有\r\n价格增减=5\r\n"_s.toUtf8());
    ini.close();
    QTemporaryDir save;
    const CliRun run = cli({u"download"_s, u"https://item.taobao.com/item.htm?id=600900001"_s,
                            u"--save"_s, save.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList pictures;
    for (const QString& file : FilesBelow(save.path()))
        if (!file.endsWith(u".korvo"_s))
            pictures << file.section(u'/', -1);
    EXPECT_EQ(pictures, (QStringList{u"价格104.00元_主图_001.jpg"_s, u"价格104.00元_主图_002.jpg"_s,
                                     u"价格104.00元_主图_004.jpg"_s}));
}

TEST_F(StoresCliTest, TheDescriptionOnlyOptionDownloadsNoMainPicture) {
    const CliRun set =
        cli({u"settings"_s, SiteOption(Category::Shops), u"description-pictures-only=on"_s});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    QTemporaryDir save;
    cli({u"download"_s, u"https://item.taobao.com/item.htm?id=600900001"_s, u"--save"_s,
         save.path()});
    EXPECT_EQ(site.countOf("/imgextra/*"), 0);
}

} // namespace
} // namespace phodex::test
