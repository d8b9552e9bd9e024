// SPDX-License-Identifier: MIT
#include "adapters/portfolio/portfolioadapters.h"
#include "portfoliosite.h"

namespace phodex::test {
namespace {

const std::string kBlogHost = "xiaohong.lofter.com";
const std::string kArchivePath = "/dwr/call/plaincall/ArchiveBean.getArchivePostByTime.dwr";
constexpr Category kLofter = Category::Lofter;

const std::string kViewPage = "<html><head><title>归档 - 小红的博客</title></head><body>"
                              "<a href=\"/rss?blogId=123456\">RSS</a></body></html>";

// The archive service's reply with `posts` posts; post 2 has no permalink,
// post 3 only a notice title, post 4 no title at all.
std::string ArchiveReply(int posts) {
    std::string reply = "//#DWR-INSERT\n";
    for (int i = 1; i <= posts; ++i) {
        const std::string s = "s" + std::to_string(i);
        reply += s + ".blogId=123456;";
        if (i != 2)
            reply += s + ".permalink=\"p" + std::to_string(i) + "\";";
        if (i == 3)
            reply += s + ".noticeLinkTitle=\"\\u516C\\u544A\";";
        else if (i != 4)
            reply += s + ".title=\"\\u6D77\\u8FB9 " + std::to_string(i) + "\";";
        reply += "\n";
    }
    return reply;
}

class LofterTest : public PortfolioSiteTest {
protected:
    void serveBlog(int posts) {
        servePage(kBlogHost, "/view", kViewPage);
        const std::string reply = ArchiveReply(posts);
        site.route("POST", kBlogHost, kArchivePath,
                   [reply](const httplib::Request&, httplib::Response& res) {
                       res.set_content(reply, "text/javascript");
                   });
    }
};

TEST_F(LofterTest, ListsTheNewestPostsOfTheBlogFromTheArchiveService) {
    serveBlog(30);
    dispatch(kLofter, u"https://xiaohong.lofter.com/post/1d2e3f_a1b2"_s);

    EXPECT_EQ(session.ownerFolder(), u"小红的博客"_s);
    EXPECT_EQ(session.textSlot(TextSlot::First), u"123456"_s);
    const auto requests = site.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/view");
    const ReceivedRequest& call = requests[1];
    EXPECT_EQ(call.method, "POST");
    EXPECT_EQ(call.target, kArchivePath);
    EXPECT_EQ(Header(call, "Referer"), u"https://www.lofter.com/"_s) << "the home address";
    EXPECT_EQ(Header(call, "Content-Type"), u"text/plain"_s);
    EXPECT_EQ(Header(call, "Accept-Encoding"), u"gzip, deflate"_s);
    const QString body = QString::fromStdString(call.body);
    EXPECT_TRUE(body.startsWith(u"callCount=1\r\n"_s)) << call.body;
    EXPECT_TRUE(body.contains(u"\r\nc0-param1=number:123456\r\n"_s)) << call.body;
    // The recording clock's time, in seconds and three zeros.
    EXPECT_TRUE(body.contains(u"\r\nc0-param2=number:1600000000000\r\n"_s)) << call.body;
    EXPECT_TRUE(body.contains(u"\r\nc0-param3=number:50\r\n"_s)) << call.body;
    EXPECT_TRUE(body.endsWith(u"batchId=1"_s)) << call.body;

    // Posts 1 to 20, less the one without a permalink.
    const auto albums = session.albums.snapshot();
    ASSERT_EQ(albums.size(), 19u);
    EXPECT_EQ(albums[0].name, u"海边 1"_s);
    EXPECT_EQ(albums[0].key, u"https://xiaohong.lofter.com/post/p1"_s);
    EXPECT_EQ(albums[1].name, u"公告"_s);
    EXPECT_EQ(albums[2].name, u"p4"_s);
    EXPECT_EQ(albums[18].name, u"海边 20"_s);
    EXPECT_TRUE(prompt.informations().isEmpty());
}

TEST_F(LofterTest, AReplyOfMoreThanFiftyPiecesSaysThatOnlyTheNewestAreListed) {
    for (const int posts : {49, 50}) {
        SCOPED_TRACE(posts);
        const qsizetype shown = prompt.informations().size();
        serveBlog(posts);
        list(LofterListAlbums, u"https://xiaohong.lofter.com/"_s);
        EXPECT_EQ(session.albums.snapshot().size(), 19u);
        // 50 posts are 51 pieces of the reply.
        EXPECT_EQ(prompt.informations().size() - shown, posts == 50 ? 1 : 0);
    }
}

TEST_F(LofterTest, AViewPageThatIsNoArchiveOrHasNoNumericBlogIdEndsTheListing) {
    const std::vector<std::string> pages = {
        "<title>小红的博客</title><a href=\"/rss?blogId=123456\">",
        "<title>归档 - 小红的博客</title><a href=\"/rss\">",
        "<title>归档 - 小红的博客</title><a href=\"/rss?blogId=1&x=2\">",
    };
    for (const std::string& page : pages) {
        SCOPED_TRACE(page);
        const qsizetype shown = prompt.informations().size();
        servePage(kBlogHost, "/view", page);
        list(LofterListAlbums, u"https://xiaohong.lofter.com/"_s);
        EXPECT_EQ(site.requests().size(), 1u);
        EXPECT_TRUE(session.albums.snapshot().empty());
        EXPECT_EQ(prompt.informations().size() - shown, 1);
    }
}

TEST_F(LofterTest, APostGivesItsFirstRealPicture) {
    struct Case {
        std::string page;
        QString url;
    };
    const std::vector<Case> cases = {
        // The first full-size address is a folder once its query is gone.
        {"<div class=\"m-detail m-detail-photo\"><a bigimgsrc=\"https://imglf.nosdn.127.net/"
         "img/abc/?imageView\"></a><a bigimgsrc=\"https://imglf.nosdn.127.net/img/def.jpg?"
         "imageView&amp;thumbnail=500x0\"></a></div><div class=\"nctitle\">",
         u"https://imglf.nosdn.127.net/img/def.jpg"_s},
        // Without full-size addresses: the post's pictures, less the avatar.
        {"<img src=\"https://imglf.nosdn.127.net/head.jpg\"><div class=\"content\"><img "
         "src=\"https://imglf.nosdn.127.net/avatar_64x0x90.jpg\"><img "
         "src=\"https://imglf.nosdn.127.net/img/a.png?w=1\"></div>",
         u"https://imglf.nosdn.127.net/img/a.png"_s},
        // What follows the post's title belongs to other posts.
        {"<div class=\"content\"><p>text</p></div><div class=\"nctitle\"><img "
         "src=\"https://imglf.nosdn.127.net/img/other.jpg\">",
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        servePage(kBlogHost, "/post/p1", c.page);
        session.albums.clear();
        AlbumInfo album;
        album.key = u"https://xiaohong.lofter.com/post/p1"_s;
        runPictures(LofterListPhotos, addAlbum(album));
        if (c.url.isEmpty()) {
            EXPECT_TRUE(urls().isEmpty());
            continue;
        }
        EXPECT_EQ(urls(), QStringList{c.url});
        ASSERT_EQ(names().size(), 1);
        EXPECT_TRUE(names()[0].startsWith(u"图片1"_s)) << names()[0].toStdString();
    }
}

} // namespace
} // namespace phodex::test
