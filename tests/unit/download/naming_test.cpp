// SPDX-License-Identifier: MIT
#include "download/naming.h"

#include "text/componentlimit.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace phodex {
using namespace Qt::StringLiterals;
namespace {

NamingContext Album(NameBase base = NameBase::Description) {
    NamingContext album;
    album.profile.nameBase = base;
    album.listType = Category::Qq;
    album.albumName = u"春游"_s;
    album.albumInfo = "info";
    album.listIndex = 2;
    album.reverseIndex = 40;
    album.createdStamp = 1700000000;
    album.albumCount = 10;
    album.selectedCount = 4;
    album.ownerFolder = "owner/";
    return album;
}

bool IsTimeStamp(const QString& name) {
    return QRegularExpression("^\\d{14}$").match(name).hasMatch();
}

TEST(MakePictureName, ByNamingMode) {
    struct Case {
        NameBase base;
        QString url;
        QString title;
        QString expected;
        bool numbered;
    };
    const Case cases[] = {
        {NameBase::Description, "http://h/p/1.jpg", "  My   photo ", "My photo", false},
        {NameBase::Description, "http://h/p/1.jpg", "  ", u"春游"_s, false},
        {NameBase::Description, "http://h/p/1.jpg", "a/b: c", "ab c", false},
        {NameBase::Address, "http://h/p/img001.png", "title", "img001.png", false},
        {NameBase::Address, "http://h/p/img.jpg?w=1", "title", "img.jpgw=1", false},
        {NameBase::Address, "abc", "title", "5", true},
        {NameBase::Address, "/abc", "title", "5", true},
        {NameBase::Number, "http://h/p/1.jpg", "title", "5", true},
        {static_cast<NameBase>(9), "http://h/p/1.jpg", "title", "5", true},
    };
    for (const Case& c : cases) {
        const PictureName picture = MakePictureName(c.url, c.title, Album(c.base), 5);
        EXPECT_EQ(picture.name, c.expected) << c.url.toStdString() << " " << c.title.toStdString();
        EXPECT_EQ(picture.numbered, c.numbered) << c.expected.toStdString();
    }
}

TEST(MakePictureName, AddressEndingInSlashGetsTimeStamp) {
    const PictureName picture = MakePictureName("http://h/p/", "t", Album(NameBase::Address), 1);
    EXPECT_TRUE(IsTimeStamp(picture.name)) << picture.name.toStdString();
    EXPECT_FALSE(picture.numbered);
}

TEST(MakePictureName, EveryEscape) {
    NamingContext album = Album();
    album.profile.filePrefix = "?1,?2,?3,?4,?5,";
    album.profile.fileSuffix = ",?6,?7,?8,?9,?A,?B";
    const PictureName withExtra = MakePictureName("u", "t", album, 7, QString("extra"));
    EXPECT_EQ(withExtra.name, u"春游,7,3,40,1700000000,t,4,10,owner,0003,0007,extra"_s);
    EXPECT_TRUE(withExtra.numbered);
    // Without extra text ?B stays and loses its question mark to the cleaning.
    const PictureName withoutExtra = MakePictureName("u", "t", album, 7);
    EXPECT_TRUE(withoutExtra.name.endsWith(",0007,B")) << withoutExtra.name.toStdString();
}

TEST(MakePictureName, NumberedOnlyThroughSequenceOrSecondEscape) {
    struct Case {
        NameBase base;
        QString prefix;
        QString expected;
        bool numbered;
    };
    const Case cases[] = {
        {NameBase::Number, "?9_", "0003_6", true},
        {NameBase::Description, "?9_", "0003_title", false},
        {NameBase::Description, "?2) ", "6) title", true},
        {NameBase::Description, "?A_", "0006_title", false},
    };
    for (const Case& c : cases) {
        NamingContext album = Album(c.base);
        album.profile.filePrefix = c.prefix;
        const PictureName picture = MakePictureName("http://h/x.jpg", "title", album, 6);
        EXPECT_EQ(picture.name, c.expected);
        EXPECT_EQ(picture.numbered, c.numbered) << c.prefix.toStdString();
    }
}

TEST(MakePictureName, ReplacementPairsApplyBeforeCleaning) {
    NamingContext album = Album();
    album.profile.replaceFrom = "a|b";
    album.profile.replaceTo = "1|/";
    EXPECT_EQ(MakePictureName("u", "abc", album, 1).name, "1c");
}

TEST(ApplyReplacePairs, PairsOrWholeText) {
    struct Case {
        QString text, from, to, expected;
    };
    const Case cases[] = {
        {"abc", "a|b", "1|2", "12c"}, {"a|bc", "a|b", "1", "1c"},
        {"abc", "a|b", "1", "abc"},   {"abc", "a||c", "1|2|3", "1b3"},
        {"abc", "", "x", "abc"},      {"abc", "", "x|y", "abc"},
        {"aaa", "a", "", ""},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        ApplyReplacePairs(text, c.from, c.to);
        EXPECT_EQ(text, c.expected) << c.from.toStdString() << " -> " << c.to.toStdString();
    }
}

TEST(MakeAlbumFolder, ModesAndEscapes) {
    struct Case {
        FolderMode mode;
        Category listType;
        QString prefix, suffix, expected;
    };
    const Case cases[] = {
        {FolderMode::PerAlbum, Category::Qq, "", "", u"春游"_s},
        {FolderMode::None, Category::Qq, "", "", ""},
        {static_cast<FolderMode>(7), Category::Qq, "", "", ""},
        {FolderMode::None, Category::Qq, "?9_", "", "0003_"},
        {FolderMode::PerAlbum, Category::Qq, "?3-?4-?5-", "-?9", u"3-8-info-春游-0003"_s},
        {FolderMode::PerAlbum, Category::Sina, "?5-", "", u"5-春游"_s},
        {FolderMode::PerAlbum, Category::Qq, "?2?6?7?8?A", "", u"2678A春游"_s},
    };
    for (const Case& c : cases) {
        NamingContext album = Album();
        album.listType = c.listType;
        album.profile.folderMode = c.mode;
        album.profile.folderPrefix = c.prefix;
        album.profile.folderSuffix = c.suffix;
        EXPECT_EQ(MakeAlbumFolder(album), c.expected) << c.prefix.toStdString();
    }
}

TEST(MakeAlbumFolder, EmptyCleanNameStaysEmpty) {
    NamingContext album = Album();
    album.albumName = " ... / ";
    EXPECT_EQ(MakeAlbumFolder(album), "");
}

TEST(NameLimits, PictureNamesFitWithTheirExtension) {
    const QString longCjk = QString(u"图"_s).repeated(200);
    struct Case {
        QString title;
        QString ending;
    };
    const Case cases[] = {
        {longCjk, u"图"_s},
        {longCjk + ".png", u"图.png"_s},
        {QString(400, u'a') + ".JPEG", "a.JPEG"},
    };
    for (const Case& c : cases) {
        const QString name = MakePictureName("u", c.title, Album(), 1).name;
        const qsizetype extBytes = c.title.endsWith(u"图"_s) ? 4 : 0; // ".jpg" still to come
        EXPECT_LE(Utf8Length(name) + extBytes, kMaxComponentBytes);
        EXPECT_GE(Utf8Length(name) + extBytes, kMaxComponentBytes - 3);
        EXPECT_TRUE(name.endsWith(c.ending)) << name.right(10).toStdString();
    }
}

TEST(NameLimits, AlbumFolderFitsOneComponent) {
    NamingContext album = Album();
    album.albumName = QString(u"相册"_s).repeated(60); // 120 characters, 360 bytes
    const QString folder = MakeAlbumFolder(album);
    EXPECT_EQ(folder.size(), 85);
    EXPECT_EQ(Utf8Length(folder), 255);
    EXPECT_TRUE(album.albumName.startsWith(folder));
}

TEST(FitPictureName, ShortNamesUnchanged) {
    for (const QString& name : {QString("a.jpg"), QString("b"), QString(251, u'c')}) {
        EXPECT_EQ(FitPictureName(name), name);
    }
    EXPECT_EQ(FitPictureName(QString(252, u'c')), QString(251, u'c'));
}

} // namespace
} // namespace phodex
