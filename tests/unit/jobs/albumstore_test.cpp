// SPDX-License-Identifier: MIT
#include "core/album.h"
#include "core/albumrow.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <thread>

namespace phodex {
namespace {

AlbumInfo Named(const QString& name, const QString& key = {}) {
    AlbumInfo album;
    album.name = name;
    album.key = key;
    return album;
}

QStringList AddAll(const QStringList& names) {
    CAlbumList list;
    for (const QString& name : names)
        list.Add(Named(name));
    QStringList stored;
    for (const AlbumInfo& album : list.snapshot())
        stored << album.name;
    return stored;
}

TEST(AlbumListTest, DuplicateNamesGetTheFirstFreeNumber) {
    struct Case {
        QStringList added;
        QStringList stored;
    } cases[] = {
        {{"A", "A", "A"}, {"A", "A (1)", "A (2)"}},
        {{"A", "A (1)", "A"}, {"A", "A (1)", "A (2)"}},
        {{"A", "A", "A (1)"}, {"A", "A (1)", "A (1) (1)"}},
        {{"a", "A"}, {"a", "A"}}, // letter case counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddAll(c.added), c.stored) << c.added.join(",").toStdString();
}

TEST(AlbumListTest, AddSetsPositionAndThumbnailAndReturnsTheCount) {
    CAlbumList list;
    AlbumInfo album = Named("x", "key");
    album.photoCount = 12;
    album.flags = kAlbumPrivate;
    album.reverseIndex = 3;
    album.createdStamp = 4;
    album.listIndex = 99;
    album.thumbIndex = 7;
    EXPECT_EQ(list.Add(album), 1);
    EXPECT_EQ(list.Add(album), 2);
    const AlbumInfo second = list.At(1);
    EXPECT_EQ(second.listIndex, 1);
    EXPECT_EQ(second.thumbIndex, -1);
    EXPECT_EQ(second.key, "key");
    EXPECT_EQ(second.photoCount, 12);
    EXPECT_EQ(second.reverseIndex, 3);
    EXPECT_EQ(second.createdStamp, 4);
    EXPECT_EQ(list.At(2).listIndex, -1); // out of range: a default record
}

TEST(AlbumListTest, ALongNameIsCutWithoutSplittingACharacter) {
    const QString emoji = QStringLiteral("\U0001F600");
    const QString name = QString(119, u'x') + emoji + QStringLiteral("tail");
    CAlbumList list;
    list.Add(Named(name));
    EXPECT_EQ(list.At(0).name, QString(119, u'x'));
}

TEST(AlbumListTest, ReadersOnOtherThreadsSeeWholeRecords) {
    CAlbumList list;
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i)
            list.Add(Named(QStringLiteral("album"), QString::number(i)));
    });
    int seen = 0;
    while (seen < 2000) {
        const int count = list.count();
        if (count > 0) {
            EXPECT_EQ(list.At(count - 1).key, QString::number(count - 1));
        }
        seen = count;
        std::this_thread::yield(); // leave the writer room on a busy machine
    }
    writer.join();
    EXPECT_EQ(list.At(1999).name, "album (1999)");
}

TEST(AlbumRowTest, RowsShowNumberNameCountAndRemark) {
    struct Case {
        qint32 count;
        qint32 flags;
        const char* countText;
        const char* remark;
    } cases[] = {
        {-1, 0, "未知", ""},
        {5, 0, "   5", ""},
        {12345, 0, "12345", ""},
        {0, kAlbumEncrypted | kAlbumPrivate, "   0", "加密相册"},
        {1, kAlbumPrivate | kAlbumFriendsOnly, "   1", "私密相册"},
        {1, kAlbumFriendsOnly, "   1", "好友可见"},
        {1, kAlbumRemarkNumber | 42, "   1", "00000042"},
        {1, kAlbumRemarkNumber | kAlbumEncrypted, "   1", "00000001"},
    };
    for (const Case& c : cases) {
        AlbumInfo album = Named("Trip");
        album.photoCount = c.count;
        album.flags = c.flags;
        const AlbumRowTexts row = AlbumRowTextsFor(album, 7);
        EXPECT_EQ(row.number, "0007");
        EXPECT_EQ(row.name, "Trip");
        EXPECT_EQ(row.count, QString::fromUtf8(c.countText)) << c.count;
        EXPECT_EQ(row.remark, QString::fromUtf8(c.remark)) << std::hex << c.flags;
    }
}

TEST(AlbumRowTest, JsonCarriesWhatTheGridShowsAndWhatFindsTheAlbumAgain) {
    AlbumInfo album = Named("Trip", "/album/7");
    album.cover = "http://pics.example/7.jpg";
    album.listIndex = 4;
    album.flags = kAlbumFriendsOnly;
    QJsonObject json = AlbumJson(album);
    EXPECT_EQ(json.value("index").toInt(), 5);
    EXPECT_EQ(json.value("name").toString(), "Trip");
    EXPECT_TRUE(json.value("count").isNull());
    EXPECT_EQ(json.value("remark").toString(), "好友可见");
    EXPECT_EQ(json.value("key").toString(), "/album/7");
    EXPECT_EQ(json.value("cover").toString(), "http://pics.example/7.jpg");
    album.photoCount = 0;
    EXPECT_EQ(AlbumJson(album).value("count").toInt(-1), 0);
}

TEST(AlbumRowTest, ThumbnailCaptionNumbersFromOne) {
    AlbumInfo album = Named("Trip");
    album.listIndex = 0;
    EXPECT_EQ(AlbumThumbCaption(album), "1.Trip");
}

} // namespace
} // namespace phodex
