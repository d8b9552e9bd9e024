// SPDX-License-Identifier: MIT
#include "core/catalogue.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"
#include "jobs/picturelistjob.h"
#include "qqsite.h"
#include "settings/record.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>

namespace phodex::test {
namespace {

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

class QzoneDownloadTest : public QqSiteTest {
protected:
    void SetUp() override {
        QqSiteTest::SetUp();
        logIn();
        serveQzone();
        // The first picture's original is gone: the preview after CR LF stands in.
        site.route("GET", "b1.photo.store.qq.com", "/psb",
                   [](const httplib::Request& req, httplib::Response& res) {
                       if (req.target.find("dRaw1") != std::string::npos &&
                           req.target.find("V10trip") != std::string::npos)
                           res.set_content("", "image/jpeg");
                       else
                           res.set_content(PictureBody(req.target), "image/jpeg");
                   });
        site.route("GET", "sznu.photo.qq.com", "/cgi-bin/common/cgi_view_album_v2",
                   [](const httplib::Request& req, httplib::Response& res) {
                       res.set_content(Fixture(req.get_param_value("albumId") == "V10locked"
                                                   ? "qzone/photos-v2.jsonp"
                                                   : "qzone/photos-empty.jsonp"),
                                       "application/javascript");
                   });
    }

    // Lists the owner as the window's Get List button does.
    void listOwner() {
        session.setAddressText(kOwner);
        ListJob list(env);
        const auto listed = list.run(ListJobRequest{kOwner, Category::Qq, SubType::QzoneAlbums});
        EXPECT_TRUE(listed.has_value());
    }
    DownloadJobResult download(const std::vector<int>& albums) {
        DownloadJob job(env);
        return job.run(DownloadJobRequest{saveDir.path(), albums}).value_or(DownloadJobResult{});
    }
    // Lists the owner and downloads every album listed.
    DownloadJobResult listAndDownload() {
        listOwner();
        std::vector<int> all;
        for (int i = 0; i < session.albums.count(); ++i)
            all.push_back(i);
        return download(all);
    }

    QString ownerFolder() const { return saveDir.path() + u"/12345/"_s; }
};

TEST_F(QzoneDownloadTest, EveryListedAlbumArrivesInAFolderOfItsOwn) {
    const DownloadJobResult result = listAndDownload();
    EXPECT_EQ(albumNames(),
              (QStringList{u"旅行"_s, u"家人"_s, u"密码相册"_s, u"好友"_s, u"说说里的图片"_s}));
    // 好友 answers with no photo on either service: no folder is made for it.
    EXPECT_EQ(QDir(ownerFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{u"家人"_s, u"密码相册"_s, u"旅行"_s, u"说说里的图片"_s}));
    EXPECT_EQ(QDir(ownerFolder() + u"旅行"_s).entryList(QDir::Files, QDir::Name),
              (QStringList{u"IMG_0001.jpg"_s, u"IMG_0002.jpg"_s, u"pic.korvo"_s, u"山顶.jpg"_s}));
    EXPECT_EQ(result.pictures, 3 + 1 + 1 + 3);
    EXPECT_EQ(result.saved, 3 + 1 + 1 + 3);

    // The preview came in for the original that was gone.
    EXPECT_EQ(ReadFile(ownerFolder() + u"旅行/IMG_0001.jpg"_s),
              Bytes(PictureBody("/psb?/V10trip/p1/b/dPre1")));
    EXPECT_EQ(ReadFile(ownerFolder() + u"旅行/IMG_0002.jpg"_s),
              Bytes(PictureBody("/psb?/V10trip/p2/r/dRaw2")));
    int previews = 0;
    for (const ReceivedRequest& r : site.requestsTo("/psb"))
        previews +=
            r.target.find("/a/") != std::string::npos || r.target.find("dPre") != std::string::npos;
    EXPECT_EQ(previews, 1); // only where the original gave nothing

    // The marker remembers the first address, without its fallback.
    const QString first = u"https://b1.photo.store.qq.com/psb?/V10trip/p1/b/dRaw1"_s;
    EXPECT_EQ(ReadFile(ownerFolder() + u"旅行/pic.korvo"_s),
              QByteArray(reinterpret_cast<const char*>(first.utf16()), first.size() * 2));
}

TEST_F(QzoneDownloadTest, ASecondRunSkippingEarlierPicturesDownloadsNothing) {
    listAndDownload();
    const QStringList before = FilesBelow(ownerFolder());
    session.updateSettings([](SettingsRecord& record) {
        record.profileFor(Category::Qq).optionFlags |= kOptionSkipPrevious;
        return true;
    });
    site.clearRequests();
    const DownloadJobResult again = listAndDownload();
    EXPECT_EQ(again.saved, 0);
    EXPECT_EQ(site.countOf("/psb"), 0);
    EXPECT_EQ(FilesBelow(ownerFolder()), before);
}

// The export lists through a context of its own: the pictures the download
// before it took are no pictures of the exported album.
TEST_F(QzoneDownloadTest, AnExportRightAfterADownloadListsTheWholeSmallerAlbum) {
    listOwner();
    ASSERT_EQ(albumNames().mid(0, 2), (QStringList{u"旅行"_s, u"家人"_s}));
    ASSERT_EQ(download({0}).pictures, 3);

    const QString path = saveDir.path() + u"/家人.txt"_s;
    PictureListJob lists(env);
    ASSERT_TRUE(lists.startExport({1}, Category::Qq, path));
    lists.wait();
    EXPECT_EQ(ReadFile(path),
              QByteArray("https://b1.photo.store.qq.com/psb?/V10family/p1/b/dRaw1\r\n"));
    EXPECT_EQ(observer.eventsWith(u"status:"_s).last(), u"导出完毕，共1个图片网址"_s);
}

} // namespace
} // namespace phodex::test
