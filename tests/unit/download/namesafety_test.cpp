// SPDX-License-Identifier: MIT
#include "download/naming.h"
#include "download/picturetype.h"
#include "text/componentlimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Names built from site text are written into a real folder: each must land
// inside that folder, whatever the site sent.
namespace phodex {
using namespace Qt::StringLiterals;
namespace {

const QString kHostile[] = {
    "../x",
    "/etc/passwd",
    "C:\\x",
    "a/b",
    "..",
    ".",
    "../../..",
    "..\\..\\x",
    "~/x",
    QString(u'\b') + ".." + QChar(u'\b'),
    QString("..") + QChar(u'\0') + "/x",
};

// Writes a file under folder with the name the naming rules made and checks
// it is a direct child of folder.
void ExpectStaysInside(const QString& folder, QString name) {
    ASSERT_FALSE(name.isEmpty());
    EXPECT_FALSE(name.contains(u'/')) << name.toStdString();
    EXPECT_NE(name, ".");
    EXPECT_NE(name, "..");
    const QString ext = SplitPictureExtension(name);
    QFile file(folder + '/' + name + ext);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
    file.close();
    EXPECT_EQ(QFileInfo(file).canonicalPath(), QDir(folder).canonicalPath());
    QFile::remove(file.fileName());
}

TEST(NameSafety, PictureNamesStayInTheirFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& hostile : kHostile) {
        NamingContext album;
        album.albumName = hostile;
        album.profile.nameBase = NameBase::Description;
        ExpectStaysInside(dir.path(), MakePictureName("http://h/p.jpg", hostile, album, 1).name);
        album.profile.nameBase = NameBase::Address;
        ExpectStaysInside(dir.path(), MakePictureName("http://h/" + hostile, "", album, 1).name);
    }
}

TEST(NameSafety, AlbumFoldersStayInTheSaveFolder) {
    for (const QString& hostile : kHostile) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        NamingContext album;
        album.albumName = hostile;
        const QString folder = MakeAlbumFolder(album);
        EXPECT_FALSE(folder.contains(u'/'));
        if (folder.isEmpty()) {
            continue; // pictures then go straight into the save folder
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder)) << folder.toStdString();
        EXPECT_EQ(QFileInfo(dir.path() + '/' + folder).canonicalPath(),
                  QDir(dir.path()).canonicalPath());
    }
}

// A save folder deeper than 250 characters must not shrink the names: each
// component is limited on its own.
TEST(NameSafety, LongFolderPathKeepsFullNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString deep =
        dir.path() + '/' + QString(200, u'd') + '/' + QString(u"深"_s).repeated(80);
    ASSERT_TRUE(QDir().mkpath(deep));

    NamingContext album;
    album.albumName = QString(u"相册"_s).repeated(60);
    const QString folder = MakeAlbumFolder(album);
    ASSERT_TRUE(QDir(deep).mkdir(folder));

    const QString title = QString(u"标题"_s).repeated(100);
    const QString name = MakePictureName("u", title, album, 1).name;
    EXPECT_EQ(Utf8Length(name), 249); // 83 ideographs, room for ".jpg"
    QFile file(deep + '/' + folder + '/' + name + ".jpg");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(file.write("x"), 1);
}

} // namespace
} // namespace phodex
