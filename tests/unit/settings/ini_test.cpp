// SPDX-License-Identifier: MIT
#include "settings/ini.h"
#include "settings/initext.h"
#include "text/codepage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <limits>

namespace phodex {
namespace {

const QString kSample = QStringLiteral("; 扩展设置\r\n"
                                       "[QQ空间]\r\n"
                                       "V2编码=UTF8\r\n"
                                       "取原始名方式=2\r\n"
                                       "[淘宝]\r\n"
                                       "图片名中是否有价格=有价格\r\n");

QByteArray Encoded(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

class IniFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CIni Write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("test.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return CIni(path);
    }
    CIni Write(const QString& text) { return Write(text.toUtf8()); }
};

TEST_F(IniFile, ReadsEveryEncodingItKnows) {
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"UTF-16LE with BOM", "\xFF\xFE" + Encoded(QStringConverter::Utf16LE, kSample)},
        {"UTF-16BE with BOM", "\xFE\xFF" + Encoded(QStringConverter::Utf16BE, kSample)},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + kSample.toUtf8()},
        {"UTF-8", kSample.toUtf8()},
        {"GBK", ToGbk(kSample)},
    };
    for (const auto& f : files) {
        const CIni ini = Write(f.bytes);
        EXPECT_EQ(ini.GetString(QStringLiteral("QQ空间"), QStringLiteral("V2编码"), {}),
                  QStringLiteral("UTF8"))
            << f.name;
        EXPECT_EQ(ini.GetInt(QStringLiteral("QQ空间"), QStringLiteral("取原始名方式"), 1), 2)
            << f.name;
        EXPECT_EQ(ini.GetString(QStringLiteral("淘宝"), QStringLiteral("图片名中是否有价格"), {}),
                  QStringLiteral("有价格"))
            << f.name;
    }
}

TEST(IniText, GbkBytesAreNotTakenForUtf8) {
    const QByteArray gbk = ToGbk(QStringLiteral("[京东]\n图片获取方式=0\n"));
    ASSERT_NE(gbk, QStringLiteral("[京东]\n图片获取方式=0\n").toUtf8());
    EXPECT_EQ(DecodeIniText(gbk), QStringLiteral("[京东]\n图片获取方式=0\n"));
}

TEST_F(IniFile, NamesMatchWithoutRegardToCase) {
    const CIni ini = Write(QStringLiteral("[Taobao Options]\nPriceDelta=7\n"));
    for (const char* section : {"taobao options", "TAOBAO OPTIONS", "Taobao Options"}) {
        for (const char* key : {"pricedelta", "PRICEDELTA"})
            EXPECT_EQ(ini.GetInt(QString::fromLatin1(section), QString::fromLatin1(key), -1), 7)
                << section << " " << key;
    }
}

TEST_F(IniFile, LookupRules) {
    const CIni ini = Write(QStringLiteral("orphan=before any section\n"
                                          "[a]\n"
                                          "; key=commented out\n"
                                          "   ;key=indented comment\n"
                                          "dup=first\n"
                                          "dup=second\n"
                                          "  spaced  =  padded value  \n"
                                          "quoted=\"  kept inside  \"\n"
                                          "single='x'\n"
                                          "semi=a;b\n"
                                          "empty=\n"
                                          "no equals sign\n"
                                          "[b]\n"
                                          "only_b=b\n"
                                          "dup=other section\n"
                                          "[ A ]\n"
                                          "dup=third\n"
                                          "later=from the second [a]\n"));
    const QString dflt = QStringLiteral("<default>");
    const struct {
        const char* section;
        const char* key;
        QString want;
    } cases[] = {
        {"a", "dup", QStringLiteral("first")},
        {"a", "key", dflt},
        {"a", "spaced", QStringLiteral("padded value")},
        {"a", "quoted", QStringLiteral("  kept inside  ")},
        {"a", "single", QStringLiteral("x")},
        {"a", "semi", QStringLiteral("a;b")},
        {"a", "empty", QString()},
        {"a", "only_b", dflt},
        {"a", "later", QStringLiteral("from the second [a]")},
        {"b", "dup", QStringLiteral("other section")},
        {"b", "orphan", dflt},
        {"c", "dup", dflt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.GetString(QString::fromLatin1(c.section), QString::fromLatin1(c.key), dflt),
                  c.want)
            << c.section << "/" << c.key;
    }
}

TEST_F(IniFile, LongValuesComeBackWhole) {
    const QString value(3000, u'v');
    const CIni ini = Write(QStringLiteral("[s]\nk=") + value + u'\n');
    EXPECT_EQ(ini.GetString(QStringLiteral("s"), QStringLiteral("k"), {}), value);
}

TEST_F(IniFile, IntegerValues) {
    const struct {
        QString value;
        int want;
    } cases[] = {
        {QStringLiteral("123"), 123},
        {QStringLiteral("-5"), -5},
        {QStringLiteral("+7"), 7},
        {QStringLiteral("12abc"), 12},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("-"), 0},
        {QStringLiteral("\"\""), 99}, // empty once unquoted
        {QString(), 99},
        {QStringLiteral("99999999999"), std::numeric_limits<int>::max()},
        {QStringLiteral("-99999999999"), std::numeric_limits<int>::min()},
        // Only the first 64 characters count.
        {QString(63, u'0') + QStringLiteral("12"), 1},
    };
    for (const auto& c : cases) {
        const CIni ini = Write(QStringLiteral("[n]\nv=") + c.value + u'\n');
        EXPECT_EQ(ini.GetInt(QStringLiteral("n"), QStringLiteral("v"), 99), c.want)
            << c.value.toStdString();
    }
}

TEST_F(IniFile, MissingFileOrKeyGivesTheDefault) {
    const CIni missing(dir.filePath(QStringLiteral("absent.ini")));
    EXPECT_EQ(missing.GetString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(missing.GetInt(QStringLiteral("s"), QStringLiteral("k"), 42), 42);
    const CIni ini = Write(QStringLiteral("[s]\nother=1\n"));
    EXPECT_EQ(ini.GetInt(QStringLiteral("s"), QStringLiteral("k"), -3), -3);
}

} // namespace
} // namespace phodex
