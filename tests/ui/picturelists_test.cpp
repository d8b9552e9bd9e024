// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "support/testfiles.h"

#include <QFile>

namespace phodex::test {
namespace {

TEST_F(WindowTest, ExportWritesTheTickedAlbumsPictureAddresses) {
    ServeOwner({{"一", {{"1a.jpg", "t"}, {"1b.jpg", "t", "1b-fallback.jpg"}, {"1c.jpg", "t"}}},
                {"二", {{"2a.jpg", "t"}}},
                {"三", {{"3a.jpg", "t"}, {"3b.jpg", "t"}}}});
    StartWindow();
    ListInWindow();
    Grid()->selectionModel()->select(Model().index(0, 0), QItemSelectionModel::Select);
    Grid()->selectionModel()->select(Model().index(2, 0), QItemSelectionModel::Select);
    ASSERT_TRUE(window->action(Command::ExportThunder)->isEnabled());

    const QString path = homeDir.path() + QStringLiteral("/list.txt");
    dialogs.queuePath(path);
    window->action(Command::ExportThunder)->trigger();
    ASSERT_TRUE(WaitFor([this] {
        return session.downState.load() == kDownIdle &&
               Text(Control::StatusLine).startsWith(QStringLiteral("导出完毕")) &&
               Button(Control::Download)->text() == QStringLiteral("下载");
    }));
    EXPECT_EQ(dialogs.choosers().last(), QStringLiteral("迅雷下载列表(*.txt)"));
    // One address a line, CR LF, no fallback line; nothing was downloaded.
    EXPECT_EQ(ReadFile(path), AddressLines({"1a.jpg", "1b.jpg", "1c.jpg", "3a.jpg", "3b.jpg"}));
    EXPECT_EQ(site.countOf("/p/*"), 0);
    EXPECT_FALSE(QFileInfo::exists(saveDir.path() + QStringLiteral("/tester")));
}

TEST_F(WindowTest, ExportWithoutTickedAlbumsAsksForThem) {
    ServeOwner({{"一", {{"1a.jpg", "t"}}}});
    StartWindow();
    ListInWindow();
    window->exportPictureList(Command::ExportList);
    EXPECT_EQ(dialogs.informations().last(), QStringLiteral("请先勾选要导出的相册"));
    EXPECT_TRUE(dialogs.choosers().isEmpty());
}

TEST_F(WindowTest, ImportDownloadsEveryAddressIntoTheSaveFolder) {
    StartWindow();
    const QString list = homeDir.path() + QStringLiteral("/in.lst");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(AddressLines({"x1.jpg", "x2.jpg"}) + "\r\n" + AddressLines({"x3.jpg"}));
    }
    const QString folder = saveDir.path() + QStringLiteral("/imported");
    SavePath()->setEditText(folder);
    dialogs.queuePath(list);
    window->action(Command::ImportList)->trigger();
    ASSERT_TRUE(WaitFor([this] {
        return session.downState.load() == kDownIdle &&
               Text(Control::StatusLine) == QStringLiteral("下载完毕，已下载3/3") &&
               Button(Control::Download)->text() == QStringLiteral("下载");
    }));
    EXPECT_EQ(FilesIn(folder), (QStringList{QStringLiteral("x1.jpg"), QStringLiteral("x2.jpg"),
                                            QStringLiteral("x3.jpg")}));
    EXPECT_EQ(ReadFile(folder + QStringLiteral("/x2.jpg")),
              QByteArray::fromStdString(PictureBytes("x2.jpg")));
}

TEST_F(WindowTest, ImportIsStoppedByTheDownloadButton) {
    site.get("/p/*", site.stall());
    StartWindow();
    const QString list = homeDir.path() + QStringLiteral("/in.lst");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(AddressLines({"s1.jpg", "s2.jpg"}));
    }
    SavePath()->setEditText(saveDir.path());
    dialogs.queuePath(list);
    window->importList();
    ASSERT_TRUE(WaitFor([this] { return Button(Control::Download)->text() == u"终止下载"; }));
    EXPECT_FALSE(Button(Control::GetList)->isEnabled());
    Button(Control::Download)->click();
    ASSERT_TRUE(WaitFor([this] {
        return session.downState.load() == kDownIdle &&
               Text(Control::StatusLine).startsWith(QStringLiteral("下载已终止")) &&
               Button(Control::Download)->text() == QStringLiteral("下载");
    }));
    EXPECT_TRUE(FilesIn(saveDir.path()).isEmpty());
}

} // namespace
} // namespace phodex::test
