// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "ui/thumbnailloader.h"

#include <QBuffer>
#include <QImage>

namespace phodex::test {
namespace {

std::string PngBytes(QColor color) {
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class ThumbnailTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TestOwner owner{"tester", {}, 5, false};
        owner.albums = {{"a1", "红", 1}, {"a2", "绿", 2}, {"a3", "坏", 3}};
        ServeTestSite(site, "tester", owner);
        ServeCover("/a1.jpg", PngBytes(Qt::red));
        ServeCover("/a2.jpg", PngBytes(Qt::green));
        site.get("/a3.jpg", site.resetMidBody());
    }
    void ServeCover(const std::string& path, const std::string& bytes) {
        site.get(path, [bytes](const httplib::Request&, httplib::Response& res) {
            res.set_content(bytes, "image/png");
        });
    }
    QImage Cover(int row, int column) {
        return Model().data(Model().index(row, column), Qt::DecorationRole).value<QImage>();
    }
    void Switch(bool on) {
        Button(Control::ThumbnailMode)->click();
        EXPECT_EQ(window->thumbnailMode(), on);
        ASSERT_TRUE(WaitFor([this] { return window->thumbJobState() == 0; }));
    }
};

TEST_F(ThumbnailTest, SwitchingAfterAListingShowsCoversMadeOnce) {
    // A cover of an earlier listing in the cache is never shown for another album.
    const QString cache = setup.locations.thumbnailCache;
    ASSERT_TRUE(QDir().mkpath(cache));
    ASSERT_TRUE(
        QImage(QSize(50, 50), QImage::Format_RGB32).save(cache + QStringLiteral("2.jpg"), "PNG"));
    StartWindow();
    ListInWindow();
    Button(Control::ThumbnailMode)->click();
    EXPECT_EQ(window->thumbJobState(), 1);
    EXPECT_FALSE(Button(Control::GetList)->isEnabled());
    ASSERT_TRUE(WaitFor([this] { return window->thumbJobState() == 0; }));
    EXPECT_TRUE(Button(Control::GetList)->isEnabled());

    EXPECT_EQ(Model().mode(), AlbumGridModel::Mode::Thumbnails);
    ASSERT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().columnCount(), 6);
    EXPECT_EQ(Model().data(Model().index(0, 1), Qt::DisplayRole).toString(), u"2.绿");
    const QImage red = Cover(0, 0);
    ASSERT_FALSE(red.isNull());
    EXPECT_EQ(red.size(), QSize(113, 120));
    EXPECT_EQ(red.pixelColor(56, 60), QColor(Qt::red));
    EXPECT_FALSE(Cover(0, 1).isNull());
    EXPECT_TRUE(Cover(0, 2).isNull());
    EXPECT_TRUE(QFileInfo::exists(cache + QStringLiteral("0.jpg")));
    EXPECT_FALSE(Control<QLabel>(Control::FindLink)->isEnabled());
    EXPECT_FALSE(Control<QLabel>(Control::FilterLink)->isEnabled());
    EXPECT_TRUE(Control<QLabel>(Control::ExportLink)->isEnabled());

    Switch(false);
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_TRUE(Control<QLabel>(Control::FindLink)->isEnabled());
    Switch(true);
    EXPECT_FALSE(Cover(0, 0).isNull());
    EXPECT_EQ(site.countOf("/a1.jpg"), 1);
    EXPECT_EQ(site.countOf("/a3.jpg"), 2); // a failed cover is tried again
}

TEST_F(ThumbnailTest, ListingInThumbnailModeFetchesCoversAsAlbumsArrive) {
    StartWindow();
    Switch(true);
    ListInWindow();
    ASSERT_TRUE(WaitFor([this] { return !Cover(0, 0).isNull() && !Cover(0, 1).isNull(); }));
    EXPECT_EQ(Model().data(Model().index(0, 2), Qt::DisplayRole).toString(), u"3.坏");
    // Ticked covers are the albums the download takes, row by row.
    Grid()->selectionModel()->select(Model().index(0, 2), QItemSelectionModel::Select);
    Grid()->selectionModel()->select(Model().index(0, 0), QItemSelectionModel::Select);
    EXPECT_EQ(window->tickedAlbums(), (std::vector<int>{0, 2}));
}

TEST_F(ThumbnailTest, SwitchDuringARefillAsksWhetherToStopIt) {
    site.get("/a1.jpg", site.stall());
    StartWindow();
    ListInWindow();
    Button(Control::ThumbnailMode)->click();
    ASSERT_EQ(window->thumbJobState(), 1);
    auto* box = Control<QCheckBox>(Control::ThumbnailMode);

    dialogs.queueAnswer(false);
    box->click();
    EXPECT_EQ(dialogs.questions().last(), QStringLiteral("模式转换未完成,是否中断?"));
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(window->thumbJobState(), 1);
    EXPECT_TRUE(window->thumbnailMode());

    dialogs.queueAnswer(true);
    box->click();
    EXPECT_TRUE(box->isChecked());
    ASSERT_TRUE(WaitFor([this] { return window->thumbJobState() == 0; }));
    EXPECT_TRUE(Button(Control::GetList)->isEnabled());
    EXPECT_TRUE(Cover(0, 0).isNull());
}

TEST(ThumbnailCover, UndecodableFilesGiveNoCover) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no route");
    file.close();
    EXPECT_TRUE(ThumbnailLoader::LoadCover(path, QSize(113, 120)).isNull());
    EXPECT_TRUE(
        ThumbnailLoader::LoadCover(dir.filePath(QStringLiteral("none.jpg")), QSize(113, 120))
            .isNull());
}

} // namespace
} // namespace phodex::test
