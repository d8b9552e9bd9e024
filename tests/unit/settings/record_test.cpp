// SPDX-License-Identifier: MIT
#include "settings/record.h"
#include "settings/recordformat.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

namespace phodex {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path() const { return dir.filePath(QStringLiteral("soft.dat")); }
};

TEST_F(SettingsFile, FirstRunWritesTheDefaults) {
    SettingsRecord record;
    record.recentAddresses[0] = QStringLiteral("left over");
    ASSERT_TRUE(LoadSettings(dir.path(), record));

    const QByteArray bytes = ReadAll(Path());
    ASSERT_EQ(bytes.size(), 19808);
    EXPECT_EQ(DecodeSettings(bytes), record);
    for (int i = 0; i < 24; ++i) {
        const quint16 threads = qFromLittleEndian<quint16>(bytes.constData() + i * 8 + 4);
        const quint16 timeout = qFromLittleEndian<quint16>(bytes.constData() + i * 8 + 6);
        EXPECT_EQ(threads, i == 18 ? 3 : 5) << i;
        EXPECT_EQ(timeout, 30) << i;
        EXPECT_EQ(record.download[i].minSizeKb, 0);
        EXPECT_EQ(record.download[i].maxSizeKb, 0);

        const NamingProfile& p = record.profiles[i];
        const quint16 flags = i == 7               ? 0x0092
                              : i == 11 || i == 16 ? 0x0012
                              : i == 17            ? 0x0011
                                                   : 0x0010;
        EXPECT_EQ(p.optionFlags, flags) << i;
        EXPECT_EQ(p.nameBase, i == 8 ? NameBase::Number : NameBase::Description) << i;
        EXPECT_EQ(p.folderMode, FolderMode::PerAlbum);
        EXPECT_EQ(p.filePrefix, i == 17 ? QStringLiteral("?2) ") : QString()) << i;
        EXPECT_TRUE(p.fileSuffix.isEmpty() && p.replaceFrom.isEmpty() && p.replaceTo.isEmpty() &&
                    p.folderPrefix.isEmpty() && p.folderSuffix.isEmpty());
    }
    EXPECT_TRUE(RecentEntries(record, RecentList::Addresses).isEmpty());
    EXPECT_TRUE(RecentEntries(record, RecentList::SavePaths).isEmpty());
}

TEST_F(SettingsFile, OutOfRangeThreadsAndTimeoutsAreRepairedOnEveryLoad) {
    const struct {
        quint16 threads, timeout, wantThreads, wantTimeout;
    } cases[] = {{20, 5, 5, 30}, {0, 9, 5, 30},      {16, 0, 5, 30},
                 {1, 10, 1, 10}, {15, 600, 15, 600}, {3, 11, 3, 11}};
    SettingsRecord stored;
    for (size_t i = 0; i < std::size(cases); ++i)
        stored.download[i] = {0, 0, cases[i].threads, cases[i].timeout};
    WriteAll(Path(), EncodeSettings(stored));

    SettingsRecord record;
    ASSERT_TRUE(LoadSettings(dir.path(), record));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(record.download[i].threads, cases[i].wantThreads) << i;
        EXPECT_EQ(record.download[i].timeoutSeconds, cases[i].wantTimeout) << i;
    }
    // Not a first run: no default flags, and the repair is written back.
    EXPECT_EQ(record.profiles[0].optionFlags, 0);
    EXPECT_EQ(DecodeSettings(ReadAll(Path())), record);
}

TEST_F(SettingsFile, EveryFieldSurvivesSaveAndLoad) {
    SettingsRecord record;
    for (int i = 0; i < kSettingsEntryCount; ++i) {
        record.download[i] = {quint16(i * 7), quint16(i * 70 + 1), quint16(i % 15 + 1),
                              quint16(10 + i)};
        NamingProfile& p = record.profiles[i];
        p = {QStringLiteral("前%1").arg(i),
             QStringLiteral("后%1").arg(i),
             QStringLiteral("a|b%1").arg(i),
             QStringLiteral("c|d%1").arg(i),
             QStringLiteral("<%1").arg(i),
             QStringLiteral(">%1").arg(i),
             quint16(i * 13),
             NameBase(i % 3),
             FolderMode(i % 2)};
    }
    for (int i = 0; i < kRecentCount; ++i) {
        record.recentAddresses[i] = QStringLiteral("https://photo.example/%1").arg(i);
        record.recentSavePaths[i] = QStringLiteral("/数据/相册%1").arg(i);
    }
    ASSERT_TRUE(SaveSettings(dir.path(), record));
    EXPECT_EQ(ReadAll(Path()).size(), 19808);

    SettingsRecord loaded;
    ASSERT_TRUE(LoadSettings(dir.path(), loaded));
    EXPECT_EQ(loaded, record);
}

TEST_F(SettingsFile, ShortEmptyAndLongFilesAreReadAsFarAsTheyGo) {
    SettingsRecord stored;
    stored.download[0] = {4, 8, 2, 20};
    stored.profiles[0].optionFlags = 0x0041;
    const QByteArray full = EncodeSettings(stored);
    const struct {
        QByteArray bytes;
        DownloadParams first;
        quint16 flags;
    } cases[] = {
        {full.left(4), {4, 8, 5, 30}, 0},
        {QByteArray(), {0, 0, 5, 30}, 0},
        {full + QByteArray(500, '\x7F'), {4, 8, 2, 20}, 0x0041},
    };
    for (const auto& c : cases) {
        WriteAll(Path(), c.bytes);
        SettingsRecord record;
        ASSERT_TRUE(LoadSettings(dir.path(), record));
        EXPECT_EQ(record.download[0], c.first) << c.bytes.size();
        EXPECT_EQ(record.profiles[0].optionFlags, c.flags) << c.bytes.size();
        EXPECT_EQ(ReadAll(Path()).size(), 19808);
    }
}

TEST_F(SettingsFile, UnwritableFolderStillGivesUsableSettings) {
    SettingsRecord record;
    EXPECT_FALSE(LoadSettings(dir.filePath(QStringLiteral("missing/folder")), record));
    EXPECT_EQ(record.download[18].threads, 3);
    EXPECT_EQ(record.profiles[7].optionFlags, 0x0092);
}

TEST_F(SettingsFile, FailedSaveLeavesThePreviousFileWhole) {
    SettingsRecord old;
    old.recentAddresses[0] = QStringLiteral("https://old.example/");
    ASSERT_TRUE(SaveSettings(dir.path(), old));
    const QByteArray before = ReadAll(Path());

    // A file-size limit makes the write fail part-way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SettingsRecord changed = old;
    changed.recentAddresses[0] = QStringLiteral("https://new.example/");
    const bool saved_ok = SaveSettings(dir.path(), changed);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(ReadAll(Path()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("soft.dat")});
}

TEST_F(SettingsFile, SaveOverAFolderFails) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("soft.dat")));
    EXPECT_FALSE(SaveSettings(dir.path(), SettingsRecord{}));
}

QStringList Slots(const SettingsRecord& record, RecentList list) {
    const RecentTexts& recent = record.Recent(list);
    return QStringList(recent.begin(), recent.end());
}

TEST(PushRecent, NewestFirstAndTheOldestDropsOut) {
    SettingsRecord record;
    for (const char* text : {"a1", "a2", "a3"})
        EXPECT_TRUE(PushRecent(record, RecentList::Addresses, QString::fromLatin1(text)));
    EXPECT_EQ(Slots(record, RecentList::Addresses),
              (QStringList{"a3", "a2", "a1", QString(), QString()}));
    EXPECT_EQ(RecentEntries(record, RecentList::Addresses), (QStringList{"a3", "a2", "a1"}));
    EXPECT_EQ(Slots(record, RecentList::SavePaths), QStringList(5, QString()));

    for (const char* text : {"a4", "a5", "a6"})
        EXPECT_TRUE(PushRecent(record, RecentList::Addresses, QString::fromLatin1(text)));
    EXPECT_EQ(Slots(record, RecentList::Addresses), (QStringList{"a6", "a5", "a4", "a3", "a2"}));
}

TEST(PushRecent, RejectedTextsLeaveTheListAsItWas) {
    SettingsRecord record;
    ASSERT_TRUE(PushRecent(record, RecentList::SavePaths, QStringLiteral("/Home/Pics")));
    ASSERT_TRUE(PushRecent(record, RecentList::SavePaths, QStringLiteral("/other")));
    const QStringList before = Slots(record, RecentList::SavePaths);
    const QString rejected[] = {
        QStringLiteral("/home/pics"), // a stored text in other letter case: does not move up
        QStringLiteral("/OTHER"),
        QString(400, u'x'),
        QString(),
    };
    for (const QString& text : rejected) {
        EXPECT_FALSE(PushRecent(record, RecentList::SavePaths, text)) << text.size();
        EXPECT_EQ(Slots(record, RecentList::SavePaths), before);
    }
    EXPECT_TRUE(PushRecent(record, RecentList::SavePaths, QString(399, u'x')));
    EXPECT_EQ(record.recentSavePaths[0].size(), 399);
}

TEST(PushRecent, AnEmptyTextNeverPushesIntoAFullList) {
    SettingsRecord record;
    for (int i = 0; i < kRecentCount; ++i)
        PushRecent(record, RecentList::Addresses, QString::number(i));
    EXPECT_FALSE(PushRecent(record, RecentList::Addresses, QString()));
    EXPECT_EQ(RecentEntries(record, RecentList::Addresses).size(), 5);
}

} // namespace
} // namespace phodex
