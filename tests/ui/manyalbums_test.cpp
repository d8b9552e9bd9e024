// SPDX-License-Identifier: MIT
#include "windowfixture.h"

namespace phodex::test {
namespace {

constexpr Category kManyListType = categoryAt(kCategoryCount + 2);
constexpr ListOp kManyListOp = "ManyListAlbums";
constexpr int kManyAlbums = 10000;

// Ten thousand albums arrive one by one from the list job's thread; the grid
// takes them in batches and stays usable.
TEST_F(WindowTest, TenThousandAlbumsFillTheGrid) {
    table.addRow(SiteRow{kManyListType,
                         {kAnyOtherSubType},
                         QStringLiteral("Many albums"),
                         QStringLiteral("an album"),
                         {kManyListOp},
                         {},
                         QString()});
    table.setList(kManyListOp, [](ListContext& ctx, const QString&) {
        for (int i = 0; i < kManyAlbums; ++i) {
            AlbumInfo album;
            album.name = QStringLiteral("相册%1").arg(i);
            album.key = QString::number(i);
            album.photoCount = i % 50;
            if (!ctx.addAlbum(album))
                return;
        }
    });
    StartWindow();
    SelectCategory(kManyListType);
    TypeAddress(QStringLiteral("http://many.example/"));
    Button(Control::GetList)->click();
    ASSERT_TRUE(WaitFor(
        [this] {
            return session.listState.load() == kListIdle &&
                   GroupCaption() == QStringLiteral("相册列表(共10000个)") &&
                   CategoryBox()->isEnabled();
        },
        60000));
    ASSERT_EQ(Model().rowCount(), kManyAlbums);
    EXPECT_EQ(
        Model().rowTexts(kManyAlbums - 1).mid(0, 3),
        (QStringList{QStringLiteral("10000"), QStringLiteral("相册9999"), QStringLiteral("  49")}));
    Button(Control::SelectAll)->click();
    EXPECT_EQ(window->tickedAlbums().size(), size_t(kManyAlbums));
    Button(Control::SelectAll)->click();
    EXPECT_TRUE(window->tickedAlbums().empty());
}

} // namespace
} // namespace phodex::test
