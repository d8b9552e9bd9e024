// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "settings/record.h"
#include "ui/savefolder.h"

namespace phodex::test {
namespace {

TEST(SaveFolder, TemporaryStartFolders) {
    const struct {
        const char* dir;
        bool temp;
    } cases[] = {{"/tmp/x", true},        {"/tmp", true},           {"/home/u/Temp/a", true},
                 {"/home/u/TEMP/", true}, {"/home/u/tempo", false}, {"/home/u", false},
                 {"/tmpfiles/a", false}};
    for (const auto& c : cases)
        EXPECT_EQ(StartedFromTemp(QString::fromUtf8(c.dir), QStringLiteral("/tmp")), c.temp)
            << c.dir;
}

TEST(SaveFolder, InitialFolderRule) {
    const StandardFolders folders{QStringLiteral("/home/u/Pictures"),
                                  QStringLiteral("/home/u/Documents/"), QStringLiteral("/tmp")};
    EXPECT_EQ(InitialSaveFolder(QStringLiteral("/home/u"), folders, QString()),
              QStringLiteral("/home/u/Pictures/Albrio/"));
    EXPECT_EQ(InitialSaveFolder(QStringLiteral("/tmp/unzip"), folders, QString()),
              QStringLiteral("/home/u/Documents/Albrio/"));
    EXPECT_EQ(InitialSaveFolder(QStringLiteral("/tmp/unzip"), folders, QStringLiteral("/srv/p")),
              QStringLiteral("/srv/p/"));
}

TEST(SaveFolder, DroppedPaths) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("my.pics")));
    const QString root = dir.path();
    EXPECT_EQ(DroppedFolder(root + QStringLiteral("/a.jpg")), root + u'/');
    EXPECT_EQ(DroppedFolder(root), root + u'/');
    // A folder whose name has a full stop is still a folder.
    EXPECT_EQ(DroppedFolder(root + QStringLiteral("/my.pics")), root + QStringLiteral("/my.pics/"));
    EXPECT_EQ(DroppedFolder(QString()), QString());
}

TEST_F(WindowTest, ChosenAndDroppedFoldersBecomeTheSaveFolderAndItsHistory) {
    StartWindow();
    const QString chosen = homeDir.path() + QStringLiteral("/chosen");
    dialogs.queuePath(chosen);
    Button(Control::SetFolder)->click();
    EXPECT_EQ(dialogs.choosers().last(), QStringLiteral("请选择文件保存目录："));
    EXPECT_EQ(SavePath()->currentText(), chosen + u'/');
    EXPECT_EQ(SavePath()->itemText(SavePath()->count() - 1), chosen + u'/');

    Button(Control::SetFolder)->click(); // cancelled: nothing changes
    EXPECT_EQ(SavePath()->currentText(), chosen + u'/');

    // Dropping a file picks its folder.
    window->useDroppedPath(homeDir.path() + QStringLiteral("/a.jpg"));
    EXPECT_EQ(SavePath()->currentText(), homeDir.path() + u'/');

    SettingsRecord record;
    ASSERT_TRUE(LoadSettings(session.workDir, record));
    EXPECT_EQ(record.recentSavePaths[0], homeDir.path() + u'/');
    EXPECT_EQ(record.recentSavePaths[1], chosen + u'/');

    const int entries = SavePath()->count();
    window->useDroppedPath(chosen.toUpper() +
                           QStringLiteral("/")); // the same folder in other letters
    EXPECT_EQ(SavePath()->count(), entries);
}

} // namespace
} // namespace phodex::test
