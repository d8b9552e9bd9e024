// SPDX-License-Identifier: MIT
#include "settings/recordformat.h"

#include <gtest/gtest.h>

#include <QtEndian>

namespace phodex {
namespace {

quint16 U16At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

// The UTF-16LE bytes of text followed by its NUL.
QByteArray Utf16WithNul(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes.append(2, '\0');
}

TEST(RecordFormat, FieldsLandAtTheirOffsets) {
    SettingsRecord record;
    record.download[3] = {100, 2000, 7, 45};
    record.download[23].timeoutSeconds = 0xBEEF;
    NamingProfile& p = record.profiles[5];
    p.filePrefix = QStringLiteral("前缀");
    p.fileSuffix = QStringLiteral("_s");
    p.replaceFrom = QStringLiteral("a|b");
    p.replaceTo = QStringLiteral("x|y");
    p.folderPrefix = QStringLiteral("[");
    p.folderSuffix = QStringLiteral("]");
    p.optionFlags = 0x0155;
    p.nameBase = NameBase::Address;
    p.folderMode = FolderMode::None;
    record.recentAddresses[2] = QStringLiteral("https://example.com/相册");
    record.recentSavePaths[4] = QStringLiteral("/home/u/Pictures");

    const QByteArray bytes = EncodeSettings(record);
    ASSERT_EQ(bytes.size(), 19808);
    EXPECT_EQ(U16At(bytes, 24), 100);
    EXPECT_EQ(U16At(bytes, 26), 2000);
    EXPECT_EQ(U16At(bytes, 28), 7);
    EXPECT_EQ(U16At(bytes, 30), 45);
    EXPECT_EQ(U16At(bytes, 23 * 8 + 6), 0xBEEF);

    const int profile = 192 + 5 * 484;
    const struct {
        int offset;
        QString text;
    } texts[] = {{0, p.filePrefix},
                 {80, p.fileSuffix},
                 {160, p.replaceFrom},
                 {240, p.replaceTo},
                 {320, p.folderPrefix},
                 {400, p.folderSuffix},
                 {11808 + 2 * 800 - profile, record.recentAddresses[2]},
                 {15808 + 4 * 800 - profile, record.recentSavePaths[4]}};
    for (const auto& t : texts) {
        const QByteArray expected = Utf16WithNul(t.text);
        EXPECT_EQ(bytes.mid(profile + t.offset, expected.size()), expected) << t.offset;
    }
    EXPECT_EQ(U16At(bytes, profile + 480), 0x0155);
    EXPECT_EQ(quint8(bytes[profile + 482]), 2);
    EXPECT_EQ(quint8(bytes[profile + 483]), 1);
    // Nothing else is written: with the fields above blanked, all is zero.
    QByteArray rest = bytes;
    const auto blank = [&](int offset, int size) {
        rest.replace(offset, size, QByteArray(size, 0));
    };
    blank(24, 8);
    blank(23 * 8, 8);
    for (const auto& t : texts)
        blank(profile + t.offset, Utf16WithNul(t.text).size());
    blank(profile + 480, 4);
    EXPECT_EQ(rest, QByteArray(19808, '\0'));
}

TEST(RecordFormat, EveryFieldSurvivesARoundTrip) {
    SettingsRecord record;
    for (int i = 0; i < kSettingsEntryCount; ++i) {
        const auto n = quint16(i + 1);
        record.download[i] = {quint16(n * 3), quint16(n * 5), quint16(n % 15 + 1), quint16(10 + n)};
        NamingProfile& p = record.profiles[i];
        p.filePrefix = QStringLiteral("fp%1").arg(i);
        p.fileSuffix = QStringLiteral("fs%1").arg(i);
        p.replaceFrom = QStringLiteral("rf%1|x").arg(i);
        p.replaceTo = QStringLiteral("rt%1|y").arg(i);
        p.folderPrefix = QStringLiteral("文件夹%1").arg(i);
        p.folderSuffix = QStringLiteral("😀%1").arg(i);
        p.optionFlags = quint16(0x1FF - i);
        p.nameBase = NameBase(i % 3);
        p.folderMode = FolderMode(i % 2);
    }
    for (int i = 0; i < kRecentCount; ++i) {
        record.recentAddresses[i] = QStringLiteral("https://a.example/%1").arg(i);
        record.recentSavePaths[i] = QStringLiteral("/保存/%1").arg(i);
    }
    EXPECT_EQ(DecodeSettings(EncodeSettings(record)), record);
}

TEST(RecordFormat, UnknownByteValuesAreKept) {
    QByteArray bytes(19808, '\0');
    bytes[192 + 482] = char(7);
    bytes[192 + 483] = char(0xFF);
    const SettingsRecord record = DecodeSettings(bytes);
    EXPECT_EQ(quint8(record.profiles[0].nameBase), 7);
    EXPECT_EQ(quint8(record.profiles[0].folderMode), 0xFF);
}

TEST(RecordFormat, TextWithoutNulStopsAtItsOwnArray) {
    QByteArray bytes(19808, '\0');
    const int profile = 192;
    for (int i = 0; i < 40; ++i)
        bytes[profile + 2 * i] = 'A';
    bytes[profile + 80] = 'B';
    for (int i = 0; i < 400; ++i)
        bytes[11808 + 2 * i] = 'C';
    bytes[11808 + 800] = 'D';

    const SettingsRecord record = DecodeSettings(bytes);
    EXPECT_EQ(record.profiles[0].filePrefix, QString(40, u'A'));
    EXPECT_EQ(record.profiles[0].fileSuffix, QStringLiteral("B"));
    EXPECT_EQ(record.recentAddresses[0], QString(400, u'C'));
    EXPECT_EQ(record.recentAddresses[1], QStringLiteral("D"));
}

TEST(RecordFormat, LongTextsAreCutToLeaveRoomForTheNul) {
    const QString pair = QStringLiteral("😀"); // two UTF-16 units
    const struct {
        QString text;
        QString stored;
    } cases[] = {
        {QString(39, u'x'), QString(39, u'x')},
        {QString(40, u'x'), QString(39, u'x')},
        {QString(60, u'x'), QString(39, u'x')},
        // The cut would fall between the halves of a pair: the pair goes whole.
        {QString(38, u'x') + pair, QString(38, u'x')},
        {QString(37, u'x') + pair + u'y', QString(37, u'x') + pair},
    };
    for (const auto& c : cases) {
        SettingsRecord record;
        record.profiles[2].folderPrefix = c.text;
        const QByteArray bytes = EncodeSettings(record);
        const int field = 192 + 2 * 484 + 320;
        EXPECT_EQ(U16At(bytes, field + 78), 0) << "the last unit is always the NUL";
        EXPECT_EQ(DecodeSettings(bytes).profiles[2].folderPrefix, c.stored) << c.text.size();
        EXPECT_TRUE(DecodeSettings(bytes).profiles[2].folderSuffix.isEmpty());
    }
    SettingsRecord record;
    record.recentSavePaths[0] = QString(450, u'p');
    EXPECT_EQ(DecodeSettings(EncodeSettings(record)).recentSavePaths[0], QString(399, u'p'));
}

TEST(RecordFormat, ShortInputLeavesTheRestZero) {
    SettingsRecord full;
    full.download[0] = {1, 2, 3, 40};
    full.download[1] = {5, 6, 7, 80};
    full.recentAddresses[0] = QStringLiteral("kept out");
    const QByteArray bytes = EncodeSettings(full);

    const SettingsRecord cut = DecodeSettings(bytes.left(12));
    EXPECT_EQ(cut.download[0], full.download[0]);
    EXPECT_EQ(cut.download[1], (DownloadParams{5, 6, 0, 0}));
    EXPECT_TRUE(cut.recentAddresses[0].isEmpty());
    EXPECT_EQ(DecodeSettings(QByteArray()), SettingsRecord{});
    EXPECT_EQ(DecodeSettings(bytes + QByteArray(100, 'z')), full);
}

} // namespace
} // namespace phodex
