// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"
#include "core/catalogue.h"
#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/recordingobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"

#include <gtest/gtest.h>

#include <set>

namespace phodex {
namespace {

TEST(SiteTableTest, EveryCategoryHasRowsAndEveryOperationIsReachable) {
    const SiteTable table = MakeSiteTable();
    std::set<ListOp> lists;
    std::set<PictureOp> pictures;
    for (const SiteRow& row : table.rows()) {
        EXPECT_FALSE(row.listOps.empty()) << row.site.toStdString();
        EXPECT_FALSE(row.pictureOps.empty()) << row.site.toStdString();
        lists.insert(row.listOps.begin(), row.listOps.end());
        pictures.insert(row.pictureOps.begin(), row.pictureOps.end());
    }
    for (int listType = 0; listType < kCategoryCount; ++listType)
        EXPECT_TRUE(table.hasCategory(listType)) << listType;
    EXPECT_EQ(lists.size(), size_t(ListOp::Count));
    EXPECT_EQ(pictures.size(), size_t(PictureOp::Count) - 0);
    for (int op = 0; op < int(ListOp::Count); ++op)
        EXPECT_TRUE(bool(table.list(ListOp(op)))) << ListOpName(ListOp(op));
    for (int op = 0; op < int(PictureOp::Count); ++op)
        EXPECT_TRUE(bool(table.picture(PictureOp(op)))) << PictureOpName(PictureOp(op));
}

// Which picture operation serves a category and variant.
TEST(SiteTableTest, VariantsFindTheirPictureOperations) {
    struct Case {
        int listType;
        int subType;
        std::vector<PictureOp> pictures; // empty: no row
    } cases[] = {
        {0, 0, {PictureOp::QzoneListPhotos, PictureOp::QzoneListPhotosV2}},
        {0, 2, {PictureOp::TencentWeiboListPhotos}},
        {0, 5, {}},
        {1, 0, {PictureOp::BaiduListPhotos}},
        {1, -1, {PictureOp::TiebaListThreadPhotos}},
        {2, -1, {PictureOp::NeteaseListPhotos}},
        {3,
         0,
         {PictureOp::RenrenListPhotos, PictureOp::RenrenListPhotos2, PictureOp::RenrenListPhotos3}},
        {3, -1, {}},
        {4, 3, {}},
        {7, -1, {PictureOp::YupooClassicListPhotos}},
        {10, 2, {PictureOp::DoubanListPhotos}},
        {11, -1, {PictureOp::TaobaoListPhotos}},
        {11, 5, {PictureOp::AliExpressListImagePaths}},
        {13, 1, {PictureOp::BabytreeListPhotosFallback}},
        {16, 1, {PictureOp::ZolProductPhotos}},
        {18, -1, {PictureOp::HuabanListPhotos}},
        {21, -1, {}},
    };
    const SiteTable table = MakeSiteTable();
    for (const Case& c : cases) {
        const SiteRow* row = table.rowFor(c.listType, c.subType);
        if (c.pictures.empty()) {
            EXPECT_EQ(row, nullptr) << c.listType << "/" << c.subType;
        } else {
            ASSERT_NE(row, nullptr) << c.listType << "/" << c.subType;
            EXPECT_EQ(row->pictureOps, c.pictures) << c.listType << "/" << c.subType;
        }
    }
}

class NullListContext final : public ListContext {
public:
    using ListContext::ListContext;
    bool addAlbum(const AlbumInfo&) override {
        ++added;
        return true;
    }
    int added = 0;
};

TEST(SiteTableTest, TheStandInForAnOperationNotWrittenYetFindsNothingAndSaysSo) {
    const SiteTable table = MakeSiteTable();
    Session session;
    RecordingJobObserver observer;
    NullUserPrompt prompt;
    NullBrowserBridge browser;
    FixedKeyState keys;
    RecordingShell shell;
    const JobEnv env{session, table, observer, prompt, browser, keys, shell};
    NullListContext ctx(env, 0, SettingsRecord{}, ExtensionSettings{});
    NotLandedListAlbums(ctx, QStringLiteral("https://www.topit.me/user/1"));
    EXPECT_EQ(ctx.added, 0);
    EXPECT_EQ(observer.eventsWith("detail:").size(), 1);
}

} // namespace
} // namespace phodex
