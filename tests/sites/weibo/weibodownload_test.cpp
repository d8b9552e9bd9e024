// SPDX-License-Identifier: MIT
#include "jobs/downloadjob.h"
#include "weibosite.h"

#include <QDir>

namespace phodex::test {
namespace {

// A profile listed as the window's Get List button lists it, and every
// album downloaded, through the program's own jobs.
TEST_F(WeiboSiteTest, EveryListedAlbumArrivesInTheOwnersFolder) {
    logInWeibo();
    servePhotos("3559800001",
                {{1, {PhotoPage({OriginalPhoto("p1.jpg", "one"), OriginalPhoto("p2.jpg", "two")})}},
                 {2,
                  {PhotoPage({PhotoRecord(R"("caption":"three","pic_type":0,)"
                                          R"("pic_host":"http:\/\/ss1.sinaimg.cn",)"
                                          R"("pic_name":"p3.jpg")")})}}});
    const auto listed = runListJob(u"https://weibo.com/u/1234567890?is_all=1"_s, Category::Sina);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(listed->albumCount, 3);
    EXPECT_EQ(session.subType.load(), 2);

    DownloadJob download(env);
    const auto result = download.run(DownloadJobRequest{saveDir.path(), {0, 1, 2}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->pictures, 3);
    EXPECT_EQ(result->saved, 3);

    const QString owner = saveDir.path() + u"/小明Ming/"_s;
    // The albums without pictures get no folder.
    EXPECT_EQ(QDir(owner).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"微博配图"_s});
    const QStringList files = FilesBelow(owner + u"微博配图"_s);
    EXPECT_EQ(files.size(), 4) << files.join(u' ').toStdString();
    EXPECT_TRUE(files.contains(u"pic.korvo"_s));
    EXPECT_EQ(site.countOf("/large/p1.jpg"), 1);
    EXPECT_EQ(site.countOf("/large/p2.jpg"), 1);
    EXPECT_EQ(site.countOf("/1234567890/180/p3.jpg"), 1);
    // The album's pages were asked for with the listed profile's id.
    for (const ReceivedRequest& r : site.requestsTo(kPhotosPath))
        EXPECT_EQ(Param(r, u"uid"_s), kWeiboUid);
}

} // namespace
} // namespace phodex::test
