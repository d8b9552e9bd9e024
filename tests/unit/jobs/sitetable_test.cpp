// SPDX-License-Identifier: MIT
#include "adapters/sitetable.h"
#include "core/catalogue.h"
#include "core/jobcontext.h"
#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/recordingobserver.h"
#include "core/seams/shell.h"
#include "core/seams/userprompt.h"
#include "testpaths.h"

#include <QDir>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace phodex {
namespace {

std::string Text(std::string_view name) {
    return std::string(name);
}

// Every folder of src/adapters but the shared kit is a family, and the
// family list names each one: a family written but not listed would never be
// reached by any address.
TEST(SiteTableTest, EveryFamilyFolderIsInTheFamilyList) {
    const QDir adapters(QStringLiteral(PHODEX_FIXTURES "/../../src/adapters"));
    ASSERT_TRUE(adapters.exists()) << adapters.path().toStdString();
    std::set<std::string> folders;
    for (const QString& folder : adapters.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder != QLatin1String("common"))
            folders.insert(folder.toStdString());
    }
    std::set<std::string> listed;
    for (const SiteFamily& family : SiteFamilies())
        EXPECT_TRUE(listed.insert(Text(family.name)).second) << "listed twice: " << family.name;
    EXPECT_EQ(listed, folders);
}

// A family has either written every operation its rows name, or none of them
// yet (its rows then say that the site is not supported); an operation no row
// names could never run.
TEST(SiteTableTest, AFamilyWritesEveryOperationItsRowsNameOrNoneYet) {
    std::map<std::string, std::string> writtenBy;
    for (const SiteFamily& family : SiteFamilies()) {
        std::set<std::string> named;
        std::set<std::string> written;
        for (const SiteRow& row : family.rows) {
            for (const ListOp op : row.listOps)
                named.insert("list " + Text(op.name));
            for (const PictureOp op : row.pictureOps)
                named.insert("picture " + Text(op.name));
        }
        for (const auto& [op, operation] : family.lists) {
            EXPECT_TRUE(bool(operation)) << op.name;
            written.insert("list " + Text(op.name));
        }
        for (const auto& [op, operation] : family.pictures) {
            EXPECT_TRUE(bool(operation)) << op.name;
            written.insert("picture " + Text(op.name));
        }
        EXPECT_FALSE(family.rows.empty()) << family.name;
        EXPECT_FALSE(family.dispatches.empty()) << family.name;
        if (!written.empty()) {
            EXPECT_EQ(written, named) << family.name;
        }
        for (const std::string& op : written) {
            const auto [it, first] = writtenBy.emplace(op, Text(family.name));
            EXPECT_TRUE(first) << op << " written by " << it->second << " and " << family.name;
        }
    }
}

// Each category has rows and exactly one dispatch that takes every address no
// other dispatch claims: with two, the second could never run.
TEST(SiteTableTest, EveryCategoryHasRowsAndOneCatchAllDispatch) {
    std::map<Category, int> catchAll;
    for (const SiteFamily& family : SiteFamilies()) {
        for (const SiteDispatch& dispatch : family.dispatches) {
            EXPECT_TRUE(bool(dispatch.run)) << family.name;
            if (!dispatch.claims)
                ++catchAll[dispatch.listType];
        }
    }
    const SiteTable table = MakeSiteTable();
    for (int index = 0; index < kCategoryCount; ++index) {
        EXPECT_TRUE(table.hasCategory(categoryAt(index))) << index;
        EXPECT_EQ(catchAll[categoryAt(index)], 1) << index;
    }
    EXPECT_EQ(catchAll.size(), size_t(kCategoryCount));
}

// Which picture operations serve a category and variant.
TEST(SiteTableTest, VariantsFindTheirPictureOperations) {
    struct Case {
        Category listType;
        int subType;
        std::vector<PictureOp> pictures; // empty: no row
    } cases[] = {
        {Category::Qq, 0, {"QzoneListPhotos", "QzoneListPhotosV2"}},
        {Category::Qq, 2, {"TencentWeiboListPhotos"}},
        {Category::Qq, 5, {}},
        {Category::Baidu, 0, {"BaiduListPhotos"}},
        {Category::Baidu, -1, {"TiebaListThreadPhotos"}},
        {Category::Netease, -1, {"NeteaseListPhotos"}},
        {Category::Renren, 0, {"RenrenListPhotos", "RenrenListPhotos2", "RenrenListPhotos3"}},
        {Category::Renren, -1, {}},
        {Category::Sina, 2, {"WeiboListPhotos"}},
        {Category::Sina, 3, {}},
        {Category::Yupoo, -1, {"YupooClassicListPhotos"}},
        {Category::PchomeDouban, 0, {"PchomeListPhotos"}},
        {Category::PchomeDouban, 2, {"DoubanListPhotos"}},
        {Category::Shops, -1, {"TaobaoListPhotos"}},
        {Category::Shops, 5, {"AliExpressListImagePaths"}},
        {Category::Babytree, 1, {"BabytreeListPhotosFallback"}},
        {Category::Jd, 1, {"ZolProductPhotos"}},
        {Category::Jd, -1, {"JdListPhotos"}},
        {Category::HuabanDuitang, -1, {"HuabanListPhotos"}},
        {categoryAt(kCategoryCount), -1, {}},
    };
    const SiteTable table = MakeSiteTable();
    for (const Case& c : cases) {
        const SiteRow* row = table.rowFor(c.listType, c.subType);
        if (c.pictures.empty()) {
            EXPECT_EQ(row, nullptr) << categoryIndex(c.listType) << "/" << c.subType;
        } else {
            ASSERT_NE(row, nullptr) << categoryIndex(c.listType) << "/" << c.subType;
            EXPECT_EQ(row->pictureOps, c.pictures) << categoryIndex(c.listType) << "/" << c.subType;
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

TEST(SiteTableTest, AnOperationNotWrittenYetFindsNothingAndSaysSo) {
    // Every site of the catalogue has its operations now: a table that has
    // not been given this one stands for a family still being written.
    const SiteTable table;
    Session session;
    RecordingJobObserver observer;
    NullUserPrompt prompt;
    NullBrowserBridge browser;
    FixedKeyState keys;
    RecordingShell shell;
    const JobEnv env{session, table, observer, prompt, browser, keys, shell};
    NullListContext ctx(env, Category::Instagram, SettingsRecord{}, ExtensionSettings{});
    ASSERT_FALSE(table.list("InstagramListAlbums"));
    RunList(ctx, "InstagramListAlbums", QStringLiteral("someone"));
    EXPECT_EQ(ctx.added, 0);
    EXPECT_EQ(observer.eventsWith("detail:"), QStringList{"暂不支持获取这个网站的相册"});
}

} // namespace
} // namespace phodex
