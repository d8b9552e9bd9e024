// SPDX-License-Identifier: MIT
#include "settings/extension.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace phodex {
namespace {

class ExtensionFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path() const {
        return QDir(dir.path()).filePath(QString::fromUtf16(kExtensionIniName));
    }
    void Write(const QString& text) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
};

TEST_F(ExtensionFile, WithoutTheFileTheDefaultsApply) {
    ExtensionSettings settings;
    ReadExtensionSettings(dir.path(), settings);
    EXPECT_EQ(settings.qzoneV2Charset, kIniCharsetAnsi);
    EXPECT_EQ(settings.qzoneV3Charset, kIniCharsetAnsi);
    EXPECT_EQ(settings.qzoneTitleMode, 1);
    EXPECT_EQ(settings.qzoneLargePictures, 0);
    EXPECT_EQ(settings.moodListMode, 0);
    EXPECT_FALSE(settings.taobaoPriceInName);
    EXPECT_EQ(settings.taobaoBig5, 0);
    EXPECT_EQ(settings.taobaoPriceDelta, 0);
    EXPECT_EQ(settings.jdVariantPictures, 1);
}

TEST_F(ExtensionFile, AnEmptyFileGivesTheTableDefaults) {
    Write(QString());
    ExtensionSettings settings;
    settings.qzoneTitleMode = 5;
    settings.jdVariantPictures = 0;
    ReadExtensionSettings(dir.path(), settings);
    EXPECT_EQ(settings, ExtensionSettings{});
}

TEST(IniCharset, ChosenByTheStartOfTheValueCaseSensitively) {
    const struct {
        const char* value;
        std::uint8_t bits;
    } cases[] = {{"UTF8", 0x02},   {"UTF8-BOM", 0x02},  {"utf8", 0x00}, {"ANSI", 0x00},
                 {"AUTO", 0x10},   {"AUTOMATIC", 0x10}, {"BIG5", 0x08}, {"Big5", 0x00},
                 {"GB2312", 0x00}, {"", 0x00},          {" UTF8", 0x00}};
    for (const auto& c : cases)
        EXPECT_EQ(IniCharsetBits(QString::fromLatin1(c.value)), c.bits) << c.value;
}

TEST_F(ExtensionFile, EveryKeyLandsInItsField) {
    Write(QStringLiteral("[QQ空间]\n"
                         "V2编码=BIG5\n"
                         "V3编码=AUTO\n"
                         "取原始名方式=abc\n"
                         "下载大图=1\n"
                         "[QQ说说]\n"
                         "下载方式=123\n"
                         "[淘宝]\n"
                         "图片名中是否有价格=有价格\n"
                         "价格增减=-5\n"
                         "繁体=1\n"
                         "[京东]\n"
                         "图片获取方式=0\n"));
    ExtensionSettings settings;
    ReadExtensionSettings(dir.path(), settings);
    EXPECT_EQ(settings.qzoneV2Charset, kIniCharsetBig5);
    EXPECT_EQ(settings.qzoneV3Charset, kIniCharsetAuto);
    EXPECT_EQ(settings.qzoneTitleMode, 0); // text in a number key reads as 0
    EXPECT_EQ(settings.qzoneLargePictures, 1);
    EXPECT_EQ(settings.moodListMode, 123);
    EXPECT_TRUE(settings.taobaoPriceInName);
    EXPECT_EQ(settings.taobaoPriceDelta, -5);
    EXPECT_EQ(settings.taobaoBig5, 1);
    EXPECT_EQ(settings.jdVariantPictures, 0);
}

TEST_F(ExtensionFile, PriceSwitchNeedsAValueStartingWithYou) {
    const struct {
        const char* value;
        bool on;
    } cases[] = {{"有价格", true},
                 {"有", true},
                 {"没有", false},
                 {"无", false},
                 {"  有", true} /* the reader trims */};
    for (const auto& c : cases) {
        Write(QStringLiteral("[淘宝]\n图片名中是否有价格=") + QString::fromUtf8(c.value));
        ExtensionSettings settings;
        ReadExtensionSettings(dir.path(), settings);
        EXPECT_EQ(settings.taobaoPriceInName, c.on) << c.value;
    }
}

TEST_F(ExtensionFile, LargeNumbersAreNotWrappedIntoOtherMeanings) {
    // 379 would wrap to 123 in a byte and lift the page limit by accident.
    Write(QStringLiteral("[QQ说说]\n下载方式=379\n[QQ空间]\n取原始名方式=257\n"));
    ExtensionSettings settings;
    ReadExtensionSettings(dir.path(), settings);
    EXPECT_EQ(settings.moodListMode, 379);
    EXPECT_EQ(settings.qzoneTitleMode, 257);
}

TEST_F(ExtensionFile, DeletingTheFileResetsOnlyCharsetsAndPrices) {
    Write(QStringLiteral("[QQ空间]\nV2编码=UTF8\nV3编码=BIG5\n取原始名方式=0\n下载大图=1\n"
                         "[QQ说说]\n下载方式=123\n"
                         "[淘宝]\n图片名中是否有价格=有\n价格增减=3\n繁体=1\n"
                         "[京东]\n图片获取方式=2\n"));
    ExtensionSettings settings;
    ReadExtensionSettings(dir.path(), settings);
    ASSERT_TRUE(QFile::remove(Path()));
    ReadExtensionSettings(dir.path(), settings);

    ExtensionSettings expected;
    expected.qzoneTitleMode = 0;
    expected.qzoneLargePictures = 1;
    expected.moodListMode = 123;
    expected.taobaoBig5 = 1;
    expected.jdVariantPictures = 2;
    EXPECT_EQ(settings, expected);
}

} // namespace
} // namespace phodex
