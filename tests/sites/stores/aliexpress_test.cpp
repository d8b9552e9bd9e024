// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "core/catalogue.h"
#include "storesite.h"

namespace phodex::test {
namespace {

const std::string kHost = "www.aliexpress.com";

class AliExpressTest : public StoreSiteTest {
protected:
    void SetUp() override {
        StoreSiteTest::SetUp();
        servePage(kHost, "/item/3256800100.html", Fixture("aliexpress/old-layout.html"));
        servePage(kHost, "/item/1005001.html", Fixture("aliexpress/new-layout.html"));
        servePage(kHost, "/item/1005002.html", Fixture("aliexpress/one-picture.html"));
    }

    QString item(const char* id) const {
        return u"https://www.aliexpress.com/item/%1.html"_s.arg(QLatin1String(id));
    }
};

TEST_F(AliExpressTest, EachLayoutListsTheProductAndItsPictures) {
    const struct {
        const char* id;
        int subType;
        QString name;
        QString owner;
        QStringList urls;
        QStringList names;
    } cases[] = {
        // The older layout numbers from 1, the newer from 0.
        {.id = "3256800100",
         .subType = SubType::AliExpress,
         .name = u"Wireless Earbuds Bluetooth 5.0"_s,
         .owner = u"SoundGo Official Store"_s,
         .urls = {u"https://ae01.alicdn.com/kf/HTB1bud1.jpg"_s,
                  u"https://ae01.alicdn.com/kf/HTB1bud2.jpg"_s,
                  u"https://ae01.alicdn.com/kf/HTB1bud3.jpg"_s},
         .names = {u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_003.jpg"_s}},
        {.id = "1005001",
         .subType = SubType::AliExpressImagePaths,
         .name = u"Phone Case Silicone Shockproof"_s,
         .owner = u"CaseWorld Store"_s,
         .urls = {u"https://ae01.alicdn.com/kf/Hcase0.jpg"_s,
                  u"https://ae01.alicdn.com/kf/Hcase1.jpg"_s,
                  u"https://ae01.alicdn.com/kf/Hcase2.jpg"_s},
         .names = {u"主图_000.jpg"_s, u"主图_001.jpg"_s, u"主图_002.jpg"_s}},
        // One picture: its list has no separator.
        {.id = "1005002",
         .subType = SubType::AliExpressImagePaths,
         .name = u"Vinyl Sticker"_s,
         .owner = u"Sticker Shop"_s,
         .urls = {u"https://ae01.alicdn.com/kf/Hsticker.jpg"_s},
         .names = {u"主图_000.jpg"_s}},
    };
    for (const auto& c : cases) {
        const QString address = item(c.id);
        dispatch(kShops, address);
        const auto albums = session.albums.snapshot();
        ASSERT_EQ(albums.size(), 1u) << c.id;
        EXPECT_EQ(albums[0].name, c.name);
        EXPECT_EQ(session.ownerFolder(), c.owner);
        ASSERT_EQ(session.subType.load(), c.subType);
        EXPECT_EQ(site.requests()[0].header("Accept-Language"), "zh-cn");

        site.clearRequests();
        pictures(kShops,
                 c.subType == SubType::AliExpress ? AliExpressListPhotos : AliExpressListImagePaths,
                 0, c.subType);
        EXPECT_EQ(urls(), c.urls) << c.id;
        EXPECT_EQ(names(), c.names) << c.id;
        for (const QString& headers : downList.headers)
            EXPECT_EQ(headers, u"Referer: "_s + address);
        const auto page = requestsFor(kHost, "/item/" + std::string(c.id) + ".html");
        ASSERT_EQ(page.size(), 1u) << "the picture step reads the page itself";
        EXPECT_EQ(page[0].header("Referer"), address.toStdString());
        EXPECT_EQ(page[0].header("Accept-Language"), "zh-cn");
    }
}

TEST_F(AliExpressTest, APageWithoutAPictureListGivesNoPicture) {
    servePage(kHost, "/item/9.html",
              "<h1 itemprop=\"name\">Lamp</h1><a href=\"https://www.aliexpress.com/x\">link</a>");
    AlbumInfo album;
    album.key = item("9");
    const int index = addAlbum(album);
    pictures(kShops, AliExpressListPhotos, index, SubType::AliExpress);
    EXPECT_TRUE(urls().isEmpty());
    pictures(kShops, AliExpressListImagePaths, index, SubType::AliExpressImagePaths);
    EXPECT_TRUE(urls().isEmpty());
}

TEST_F(AliExpressTest, AShopWithoutANameIsFiledUnderAliExpress) {
    servePage(kHost, "/item/10.html", "<script>{\"subject\":\"Lamp\"}</script>");
    dispatch(kShops, item("10"));
    EXPECT_EQ(albumNames(), QStringList{u"Lamp"_s});
    EXPECT_EQ(session.ownerFolder(), u"AliExpress"_s);
}

TEST_F(AliExpressTest, TheDescriptionOnlyOptionListsNoMainPicture) {
    setOption(kShops, kOptionDescriptionPicturesOnly, true);
    for (const char* id : {"3256800100", "1005001"}) {
        dispatch(kShops, item(id));
        const int subType = session.subType.load();
        pictures(kShops,
                 subType == SubType::AliExpress ? AliExpressListPhotos : AliExpressListImagePaths,
                 0, subType);
        EXPECT_TRUE(urls().isEmpty()) << id;
    }
}

} // namespace
} // namespace phodex::test
