// SPDX-License-Identifier: MIT
#include "download/unicodefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex {
using namespace Qt::StringLiterals;
namespace {

using test::ReadFile;

TEST(WriteUnicodeFile, Utf16LittleEndianWithMark) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"相册描述.txt"_s);
    ASSERT_TRUE(WriteUnicodeFile(path, u"描述\r\nA"_s));
    const QByteArray expected("\xFF\xFE\xCF\x63\xF0\x8F\x0D\x00\x0A\x00\x41\x00", 12);
    EXPECT_EQ(ReadFile(path), expected);

    // A shorter text empties the old file first.
    ASSERT_TRUE(WriteUnicodeFile(path, "z"));
    EXPECT_EQ(ReadFile(path), QByteArray("\xFF\xFEz\x00", 4));
    ASSERT_TRUE(WriteUnicodeFile(path, QString()));
    EXPECT_EQ(ReadFile(path), QByteArray("\xFF\xFE"));
}

TEST(WriteUnicodeFile, EmptyPathWritesOneTxtInCurrentFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool written = WriteUnicodeFile(QString(), "x");
    QDir::setCurrent(previous);
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadFile(dir.filePath("1.txt")), QByteArray("\xFF\xFEx\x00", 4));
}

TEST(WriteUnicodeFile, MissingFolderFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(WriteUnicodeFile(dir.filePath("no/such.txt"), "x"));
}

} // namespace
} // namespace phodex
