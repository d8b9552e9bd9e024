// SPDX-License-Identifier: MIT
#include "adapters/stores/storeadapters.h"
#include "download/unicodefile.h"
#include "storesite.h"

#include <QFile>

namespace phodex::test {
namespace {

const std::string kTaobaoHost = "item.taobao.com";
const std::string kTmallHost = "detail.tmall.com";
const std::string kItemPath = "/item.htm";
const QString kItem = u"https://item.taobao.com/item.htm?id=600900001"_s;
const QString kOther = u"https://item.taobao.com/item.htm?id=600900003"_s;

class TaobaoTest : public StoreSiteTest {
protected:
    void SetUp() override {
        StoreSiteTest::SetUp();
        servePagesBy(kTaobaoHost, kItemPath, "id",
                     {{"600900001", Fixture("taobao/item.html")},
                      {"600900003", Fixture("taobao/other.html")}});
        servePage(kTmallHost, kItemPath, Fixture("tmall/item.html"));
    }

    // The product listed as the window lists it, then its pictures.
    void listAndPictures(const QString& address) {
        dispatch(kShops, address);
        ASSERT_EQ(session.albums.snapshot().size(), 1u);
        pictures(kShops, TaobaoListPhotos, 0);
    }
};

TEST_F(TaobaoTest, AProductPageIsOneAlbumInItsShopsFolder) {
    const struct {
        QString address;
        std::string host;
        QString name;
        QString owner;
    } cases[] = {
        // "<product>-<shop>-<site>" loses the site; the shop's nick is
        // percent-encoded UTF-8 on a GBK page.
        {.address = kItem,
         .host = kTaobaoHost,
         .name = u"纯棉短袖T恤 男款 夏季-小红的店"_s,
         .owner = u"小红的店"_s},
        {.address = u"https://detail.tmall.com/item.htm?id=610100002"_s,
         .host = kTmallHost,
         .name = u"北欧风陶瓷马克杯 大容量"_s,
         .owner = u"陶瓷之家旗舰店"_s},
    };
    for (const auto& c : cases) {
        dispatch(kShops, c.address);
        const auto albums = session.albums.snapshot();
        ASSERT_EQ(albums.size(), 1u) << c.host;
        EXPECT_EQ(albums[0].name, c.name);
        EXPECT_EQ(albums[0].key, c.address);
        EXPECT_EQ(albums[0].photoCount, -1);
        EXPECT_EQ(session.ownerFolder(), c.owner);
        ASSERT_EQ(site.requests().size(), 1u);
        // The product page is asked for without any header of the shops'.
        EXPECT_EQ(site.requests()[0].host, c.host);
        EXPECT_EQ(site.requests()[0].header("Accept-Language"), "");
        EXPECT_EQ(prompt.informations().size(), 0u);
    }
}

TEST_F(TaobaoTest, ThePageReadIsKeptInTheWorkFolderAsUtf16) {
    dispatch(kShops, kItem);
    QFile file(workDir.filePath(u"tb.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xff\xfe"));
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.contains(u"<title>纯棉短袖T恤 男款 夏季-小红的店-淘宝网</title>"_s));
}

TEST_F(TaobaoTest, TitlesThatAreNotCut) {
    const struct {
        std::string title;
        QString name;
    } cases[] = {
        {.title = "-only", .name = u"-only"_s},
        {.title = "plain", .name = u"plain"_s},
        {.title = "a-b", .name = u"a"_s},
    };
    for (const auto& c : cases) {
        servePage(kTaobaoHost, "/item.htm",
                  "<title>" + c.title + "</title><script>nickName: 'shop',</script>");
        dispatch(kShops, u"https://item.taobao.com/item.htm?id=1"_s);
        ASSERT_EQ(albumNames().size(), 1) << c.title;
        EXPECT_EQ(albumNames()[0], c.name);
    }
}

TEST_F(TaobaoTest, TheMainPicturesComeFromTheListedPageAtFullSize) {
    listAndPictures(kItem);

    EXPECT_EQ(targetsAsked(kTaobaoHost), (std::vector<std::string>{"/item.htm?id=600900001"}))
        << "the page read when listing is not read again";
    // The third thumbnail names no size ("_") and so no picture; the fourth
    // is loaded late and names its picture in "lazyload".
    EXPECT_EQ(urls(), (QStringList{u"http://img.alicdn.com/imgextra/i1/2200001/O1CN01a.jpg"_s,
                                   u"http://img.alicdn.com/imgextra/i2/2200001/O1CN01b.jpg"_s,
                                   u"http://img.alicdn.com/imgextra/i4/2200001/O1CN01d.jpg"_s}));
    EXPECT_EQ(names(), (QStringList{u"主图_001.jpg"_s, u"主图_002.jpg"_s, u"主图_004.jpg"_s}));
    for (const QString& headers : downList.headers)
        EXPECT_EQ(headers, u"Referer: "_s + kItem);
}

TEST_F(TaobaoTest, ThePriceLeadsThePictureNamesWhereTheIniFileAsksForIt) {
    const struct {
        bool priceInName;
        int delta;
        QString address;
        QString first;
    } cases[] = {
        {.priceInName = true, .delta = 0, .address = kItem, .first = u"价格99.00元_主图_001.jpg"_s},
        {.priceInName = true,
         .delta = 5,
         .address = kItem,
         .first = u"价格104.00元_主图_001.jpg"_s},
        {.priceInName = true,
         .delta = -2,
         .address = u"https://detail.tmall.com/item.htm?id=610100002"_s,
         .first = u"价格127.00元_主图_001.jpg"_s},
        {.priceInName = false, .delta = 5, .address = kItem, .first = u"主图_001.jpg"_s},
    };
    for (const auto& c : cases) {
        extension.taobaoPriceInName = c.priceInName;
        extension.taobaoPriceDelta = c.delta;
        listAndPictures(c.address);
        ASSERT_FALSE(names().isEmpty());
        EXPECT_EQ(names()[0], c.first) << c.delta;
    }
}

// The cache holds the last product listed: an earlier product's pictures
// come from its own page, read again with the shops' headers.
TEST_F(TaobaoTest, AnEarlierProductsPicturesAreReadFromItsOwnPage) {
    dispatch(kShops, kItem);
    dispatch(kShops, kOther); // the cache now holds the other product's page
    AlbumInfo first;
    first.key = kItem;
    const int index = addAlbum(first);
    site.clearRequests();
    pictures(kShops, TaobaoListPhotos, index);

    const auto asked = requestsFor(kTaobaoHost, "/item.htm?id=600900001");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].header("Accept-Language"), "zh-cn");
    EXPECT_EQ(asked[0].header("Accept-Charset"), "GBK");
    EXPECT_EQ(asked[0].header("Referer"), kItem.toStdString());
    EXPECT_EQ(urls().size(), 3);
    EXPECT_FALSE(urls().join(u' ').contains(u"bag"_s));
}

TEST_F(TaobaoTest, ACombosPicturesComeFromTheComboHost) {
    const std::string combo = "<script>var comboUrl = '//meal.taobao.com/item.htm';</script>"
                              "<script>descUrl: '//dsc.taobaocdn.com/i1/x.desc'</script>";
    servePage(kTaobaoHost, kItemPath, "<title>套餐</title>" + combo);
    servePage("meal.taobao.com", kItemPath, Fixture("taobao/item.html"));
    AlbumInfo album;
    album.key = u"https://item.taobao.com/item.htm?id=7"_s;
    pictures(kShops, TaobaoListPhotos, addAlbum(album));

    EXPECT_EQ(targetsAsked("meal.taobao.com"), (std::vector<std::string>{"/item.htm?id=7"}));
    EXPECT_EQ(urls().size(), 3);
}

TEST_F(TaobaoTest, APageWithoutADescriptionIsKeptAsLogErrAndReported) {
    servePage(kTaobaoHost, kItemPath, "<title>x</title><ul id=\"J_UlThumb\"></ul>");
    AlbumInfo album;
    album.key = u"https://item.taobao.com/item.htm?id=8"_s;
    pictures(kShops, TaobaoListPhotos, addAlbum(album));

    EXPECT_TRUE(urls().isEmpty());
    EXPECT_EQ(prompt.informations(),
              (QStringList{u"获取信息出错(2),请将程序目录下的log.err文件发给作者,以便修改"_s}));
    QFile log(workDir.filePath(u"log.err"_s));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("J_UlThumb"));
}

TEST_F(TaobaoTest, TheDescriptionOnlyOptionListsNoMainPicture) {
    setOption(kShops, kOptionDescriptionPicturesOnly, true);
    listAndPictures(kItem);
    EXPECT_TRUE(urls().isEmpty());
    setOption(kShops, kOptionDescriptionPicturesOnly, false);
    listAndPictures(kItem);
    EXPECT_EQ(urls().size(), 3);
}

TEST_F(TaobaoTest, ASkipPageNamesItsPicturesInItsOwnText) {
    const std::string page =
        "<title>跳转-小红的店</title><script>nickName: 'shop',</script>"
        "<em class=\"tb-rmb-num\">10.00</em>"
        "<img data-src=\"//img.alicdn.com/skip/1.jpg\"><img data-src=\"https://img.alicdn.com/"
        "skip/2.jpg\"><img data-src=\"\">";
    servePage("tbskip.taobao.com", "/item.htm", page);
    const QString address = u"https://tbskip.taobao.com/item.htm?id=9"_s;
    extension.taobaoPriceInName = true;
    listAndPictures(address);

    EXPECT_EQ(targetsAsked("tbskip.taobao.com").size(), 1u);
    EXPECT_EQ(urls(), (QStringList{u"http://img.alicdn.com/skip/1.jpg"_s,
                                   u"https://img.alicdn.com/skip/2.jpg"_s}));
    EXPECT_EQ(names(), (QStringList{u"价格10.00元_主图_001.jpg"_s, u"价格10.00元_主图_002.jpg"_s}));
}

// Pages of the traditional-script site are Big5 where the INI file says so.
TEST_F(TaobaoTest, TheBig5SwitchReadsTraditionalPages) {
    servePage(kTaobaoHost, "/item.htm", Fixture("taobao/big5.html"));
    const QString address = u"https://item.taobao.com/item.htm?id=600900005"_s;
    extension.taobaoBig5 = 1;
    listAndPictures(address);
    EXPECT_EQ(albumNames(), QStringList{u"純棉短袖T恤-小紅的店"_s});
    EXPECT_EQ(session.ownerFolder(), u"小紅的店"_s);
    EXPECT_EQ(urls(), QStringList{u"http://img.alicdn.com/imgextra/i1/tw/O1CN01tw.jpg"_s});

    extension.taobaoBig5 = 0; // read as GBK, the name is not the page's
    dispatch(kShops, address);
    ASSERT_EQ(albumNames().size(), 1);
    EXPECT_NE(albumNames()[0], u"純棉短袖T恤-小紅的店"_s);
}

} // namespace
} // namespace phodex::test
