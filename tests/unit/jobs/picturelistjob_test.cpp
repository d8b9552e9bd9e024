// SPDX-License-Identifier: MIT
// The export of picture lists over the test site family, without a window.
#include "downloadjobfixture.h"

#include "jobs/picturelistjob.h"

namespace phodex::test {
namespace {

using PictureLists = DownloadJobTest;

// The albums in the order asked for, each by the same operations in turn as
// the download job: the fallback operation only for the album the first one
// found nothing in, and only the first address of a picture.
TEST_F(PictureLists, ExportWritesTheAlbumsAddressesInTurnWithoutDownloading) {
    ServeOwner({{"One", {{"1a.jpg", "t"}, {"1b.jpg", "t", "1b-fallback.jpg"}}},
                {"Two", {}},
                {"Three", {{"3a.jpg", "t"}}}});
    ServeAlbum("/album2/a2", {{"2x.jpg", "t"}});
    ListOwner();
    site.clearRequests();

    const QString path = saveDir.path() + QStringLiteral("/list.txt");
    PictureListJob lists(env);
    ASSERT_TRUE(lists.startExport({2, 0, 1}, kPhotoSiteListType, path));
    lists.wait();

    EXPECT_EQ(ReadFile(path), AddressLines({"3a.jpg", "1a.jpg", "1b.jpg", "2x.jpg"}));
    EXPECT_EQ(site.countOf("/album2/*"), 1);
    EXPECT_EQ(site.countOf("/p/*"), 0);
    EXPECT_EQ(observer.eventsWith("status:").last(), QStringLiteral("导出完毕，共4个图片网址"));
    EXPECT_EQ(session.downState.load(), kDownIdle);
}

} // namespace
} // namespace phodex::test
