// SPDX-License-Identifier: MIT
#include "adapters/albums/albumadapters.h"
#include "sites/portfolio/portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kPhotoHost = "photo.163.com";
const std::string kScriptHost = "s1.ph.126.net";
const std::string kCallPath = "/photo/lens/dwr/call/plaincall/AlbumBean.getAlbumData.dwr";
constexpr Category kNetease = Category::Netease;
const QString kPlaceholders = u"https://photo.163.com/img/cover/"_s;

std::string CallReply(const std::string& script) {
    return "//#DWR-REPLY\ndwr.engine._remoteHandleCallback('530377','0',\"" + script + "\");\n";
}

class NeteaseTest : public PortfolioSiteTest {
protected:
    // Answers the album data call by its first parameter.
    void serveCalls(const std::map<std::string, std::string>& replies) {
        servePagesBy(kPhotoHost, kCallPath, "c0-param0", replies);
    }
    // The album "西湖" (id 101) as the listing leaves it: its script named.
    int addScriptAlbum() {
        AlbumInfo album;
        album.name = u"西湖"_s;
        album.key = u"s1.ph.126.net/photo/lens/101.js"_s;
        album.info = u"101"_s;
        return addAlbum(album);
    }
    std::vector<std::string> callsAsked() const {
        std::vector<std::string> asked;
        for (const auto& request : site.requestsTo(kCallPath))
            asked.push_back(Param(request, u"c0-param0"_s).toStdString() + " " +
                            Param(request, u"c0-param2"_s).toStdString());
        return asked;
    }
};

TEST_F(NeteaseTest, ListsTheOwnersAlbumsFromTheirScriptAndAsksForTheScriptsNotNamed) {
    servePage(kPhotoHost, "/lens/", Fixture("netease/home.html"));
    servePage(kScriptHost, "/photo/lens/albums.js", Fixture("netease/albums.js"));
    serveCalls({{"number:102", CallReply("s1.ph.126.net/photo/lens/102.js")},
                {"number:105", CallReply("")}});
    dispatch(kNetease, u"http://photo.163.com/lens/"_s);

    EXPECT_EQ(session.ownerFolder(), u"lens"_s);
    EXPECT_EQ(session.textSlot(TextSlot::Third), u"lens"_s);
    // The password album is not asked for; the one whose call fails (104)
    // and the one whose id is no number are left out.
    EXPECT_EQ(callsAsked(), (std::vector<std::string>{
                                "number:102 string:", "number:104 string:", "number:105 string:"}));
    EXPECT_EQ(albumNames(), (QStringList{u"西湖"_s, u"空相册"_s, u"密码相册"_s, u"私密"_s}));
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 4u);
    EXPECT_EQ(albums[0].key, u"s1.ph.126.net/photo/lens/101.js"_s);
    EXPECT_EQ(albums[0].info, u"101"_s);
    EXPECT_EQ(albums[0].extra, u"一行\r\n二行"_s);
    EXPECT_EQ(albums[0].photoCount, 12);
    EXPECT_EQ(albums[0].cover, u"http://img7.ph.126.net/abc/c101.jpg"_s);
    EXPECT_EQ(albums[1].key, u"s1.ph.126.net/photo/lens/102.js"_s);
    EXPECT_EQ(albums[1].photoCount, 0);
    EXPECT_EQ(albums[1].cover, kPlaceholders + u"none.png"_s);
    EXPECT_EQ(albums[2].key, u"103"_s);
    EXPECT_EQ(albums[2].cover, kPlaceholders + u"password.png"_s);
    // A call that names no script leaves the album to be asked for by id.
    EXPECT_EQ(albums[3].key, u"105"_s);
    EXPECT_EQ(albums[3].cover, kPlaceholders + u"private.png"_s);
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(NeteaseTest, WithoutAnAlbumScriptThePageTheOwnersHomeIsReadInstead) {
    const struct {
        QString address;
        std::string host;
        size_t photoHostAsks;
    } cases[] = {
        {u"http://photo.163.com/lens/#m=1"_s, kPhotoHost, 2},
        {u"http://photo.163.com/pp.1/lens"_s, "pp.163.com", 1},
    };
    const std::string noScript = "<script>hostName : 'lens/x', albumUrl : ''</script>";
    servePage(kPhotoHost, "/lens/", noScript);
    servePage(kPhotoHost, "/pp.1/lens", noScript);
    for (const std::string& host : {kPhotoHost, std::string("pp.163.com")})
        servePage(host, "/lens/x", "<script>albumUrl : 's1.ph.126.net/photo/lens/albums.js'");
    servePage(kScriptHost, "/photo/lens/albums.js",
              "[{id:101,name:'a',au:0,count:1,purl:'s1.ph.126.net/photo/lens/101.js'}]");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        dispatch(kNetease, c.address);

        // The owner's name goes into the address encoded, and into the
        // folder without its "/".
        ASSERT_FALSE(targetsAsked(c.host).empty());
        EXPECT_EQ(targetsAsked(c.host).back(), "/lens%2Fx");
        EXPECT_EQ(targetsAsked(kPhotoHost).size(), c.photoHostAsks);
        EXPECT_FALSE(session.ownerFolder().contains(u'/'));
        EXPECT_EQ(session.textSlot(TextSlot::Third), u"lens/x"_s);
        EXPECT_EQ(albumNames(), QStringList{u"a"_s});
    }
}

TEST_F(NeteaseTest, APageWithoutAnOwnerIsAWrongAddress) {
    servePage(kPhotoHost, "/lens/", "<html>albumUrl : 's1.ph.126.net/photo/lens/albums.js'</html>");
    dispatch(kNetease, u"http://photo.163.com/lens/"_s);
    EXPECT_TRUE(albumNames().isEmpty());
    EXPECT_EQ(prompt.informations(), QStringList{u"输入网址有误，应该输入相册网址或首页网址"_s});
    EXPECT_TRUE(targetsAsked(kScriptHost).empty());
}

TEST_F(NeteaseTest, ReadsTheAlbumsScriptAsPicturesOnTheNumberedPictureHosts) {
    servePage(kScriptHost, "/photo/lens/101.js", Fixture("netease/photos.js"));
    runPictures(NeteaseListPhotos, addScriptAlbum());

    // Values with "/photo/" go to the other picture host; a value whose
    // first part is no server number stays under the picture host.
    EXPECT_EQ(urls(), (QStringList{u"http://img12.bimg.126.net/photo/lens/1.jpg"_s,
                                   u"http://img5.ph.126.net/abc/2.jpg"_s,
                                   u"http://img.ph.126.net/s/3.jpg"_s,
                                   u"http://img.ph.126.net/evil.example.com:80/x/5.jpg"_s}));
    const QStringList files = names();
    ASSERT_EQ(files.size(), 4);
    EXPECT_TRUE(files[0].contains(u"断桥"_s)) << files[0].toStdString();
    EXPECT_TRUE(files[1].contains(u"西湖"_s)) << files[1].toStdString();
    EXPECT_TRUE(callsAsked().empty());
}

TEST_F(NeteaseTest, AScriptThatSaysNothingIsFoundThroughTheAlbumsDataCall) {
    serve(kScriptHost, "/photo/lens/101.js", "var x;");
    serveCalls({{"string:101", CallReply("s1.ph.126.net/photo/lens/101b.js")}});
    servePage(kScriptHost, "/photo/lens/101b.js", Fixture("netease/photos.js"));
    session.setTextSlot(TextSlot::Third, u"lens"_s);
    runPictures(NeteaseListPhotos, addScriptAlbum());

    EXPECT_EQ(callsAsked(), (std::vector<std::string>{"string:101 string:"}));
    EXPECT_EQ(urls().size(), 4);
}

TEST_F(NeteaseTest, AnAlbumKnownByItsIdIsReadOnlyAfterTheUserAgreesToLogIn) {
    serveCalls({{"number:103", CallReply("s1.ph.126.net/photo/lens/103.js")}});
    servePage(kScriptHost, "/photo/lens/103.js", Fixture("netease/photos.js"));
    session.setTextSlot(TextSlot::Third, u"lens"_s);
    AlbumInfo album;
    album.name = u"密码相册"_s;
    album.key = u"103"_s;
    const int index = addAlbum(album);

    prompt.queueAnswer(false);
    runPictures(NeteaseListPhotos, index);
    EXPECT_TRUE(browser.logins().isEmpty());
    EXPECT_TRUE(callsAsked().empty());
    EXPECT_TRUE(urls().isEmpty());

    prompt.queueAnswer(true);
    runPictures(NeteaseListPhotos, index);
    EXPECT_EQ(browser.logins(), QStringList{u"https://photo.163.com/lens/list/#aid=103&m=1&p=1"_s});
    EXPECT_EQ(callsAsked(), (std::vector<std::string>{"number:103 string:fromblog"}));
    EXPECT_EQ(urls().size(), 4);
    EXPECT_EQ(prompt.questions().size(), 2);
}

TEST_F(NeteaseTest, AnAlbumWithoutKeyIsReportedAsNotPublic) {
    AlbumInfo album;
    album.name = u"x"_s;
    runPictures(NeteaseListPhotos, addAlbum(album));
    EXPECT_EQ(
        prompt.informations(),
        QStringList{u"该相册为非公开,如果该相册为私密相册,登录帐号后重新获取相册列表可下载"_s});
    EXPECT_TRUE(urls().isEmpty());
}

} // namespace
} // namespace phodex::test
