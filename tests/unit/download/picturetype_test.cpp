// SPDX-License-Identifier: MIT
#include "download/picturetype.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex {
namespace {

using test::ReadFile;
using test::WriteFile;

QByteArray Bytes(std::initializer_list<unsigned char> values) {
    QByteArray bytes;
    for (unsigned char v : values) {
        bytes.append(static_cast<char>(v));
    }
    return bytes;
}

// Real file heads: the signatures followed by the start of the first block.
const QByteArray kJpeg = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00});
const QByteArray kPng = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D});
const QByteArray kGif = QByteArray("GIF89a\x01\x00\x01\x00", 10);
const QByteArray kBmp = Bytes({'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0});
const QByteArray kWebp = QByteArray("RIFF\x24\x00\x00\x00WEBPVP8 ", 16);

TEST(PictureType, DetectsFromFirstBytes) {
    struct Case {
        QByteArray head;
        const char* ext;
    };
    const Case cases[] = {
        {kJpeg, ".jpg"},
        {kPng, ".png"},
        {kGif, ".gif"},
        {QByteArray("GIF87a"), ".gif"},
        {kBmp, ".bmp"},
        {kWebp, ".webp"},
        {QByteArray("II*\0", 4), ".tiff"},
        {QByteArray("MM\0*", 4), ".tiff"},
        {Bytes({0, 0, 0x02, 0, 0, 0, 0}), ".tga"},
        {Bytes({0, 0, 0x10, 0, 0}), ".tga"},
        {Bytes({0, 0, 0x01, 0, 0x01, 0}), ".ico"},
        {Bytes({0, 0, 0x02, 0, 0x01, 0}), ".cur"},
        {Bytes({0, 0, 0, 0x18, 'f', 't', 'y', 'p'}), ""}, // MP4
        {QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), ""},
        {QByteArray("<html>"), ""},
        {Bytes({0xFF}), ""},
        {QByteArray(), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DetectPictureExtension(c.head), QLatin1String(c.ext))
            << c.head.toHex().constData();
    }
}

TEST(PictureType, KnownExtensions) {
    struct Case {
        const char* name;
        bool known;
    };
    const Case cases[] = {
        {"a.jpg", true},   {"a.JPEG", true}, {"b.Bmp", true},      {"c.gif", true},
        {"d.png", true},   {"e.tif", true},  {"f.mp4", true},      {"g.tiff", false},
        {"h.webp", false}, {"jpg", false},   {"i.jpg.txt", false}, {"j.", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasKnownExtension(c.name), c.known) << c.name;
    }
    QString name = "photo.PNG";
    EXPECT_EQ(SplitPictureExtension(name), ".PNG");
    EXPECT_EQ(name, "photo");
    name = "photo.webp";
    EXPECT_EQ(SplitPictureExtension(name), ".jpg");
    EXPECT_EQ(name, "photo.webp");
}

TEST(FixPictureType, RenamesAfterContent) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* defaultExt;
        const char* expected;
    };
    const Case cases[] = {
        {"a.png", kJpeg, "", "a.jpg"},
        {"b.gif", kJpeg, "", "b.jpg"},
        {"c.jpg", kPng, ".mp4", "c.png"},
        {"d.jpg", QByteArray("<html>"), "", "d.jpg"},
        {"e.jpg", Bytes({0, 0, 0, 0x18, 'f', 't', 'y', 'p'}), ".mp4", "e.mp4"},
        {"e2.jpg", Bytes({0, 0, 0, 0x18, 'f', 't', 'y', 'p', 'i', 's', 'o', 'm'}), ".mp4",
         "e2.mp4"},
        // Pictures the fix does not know stay pictures, whatever the default.
        {"e3.jpg", QByteArray("<html>"), ".mp4", "e3.jpg"},
        {"e4.jpg", Bytes({0, 0, 0, 0x1c, 'f', 't', 'y', 'p', 'a', 'v', 'i', 'f'}), ".mp4",
         "e4.jpg"},
        {"e5.jpg", Bytes({0, 0, 0, 0x18, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c'}), ".mp4",
         "e5.jpg"},
        {"e6.jpg", kWebp, ".mp4", "e6.webp"},
        {"f", kGif, "", "f.gif"},
        {"g.jpg", kWebp, "", "g.webp"},
        {"h.jpg", kBmp, "", "h.bmp"},
        {"x.y/i", kJpeg, "", "x.y/i.jpg"},
        {"x.y/j", QByteArray("text"), "", "x.y/j"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("x.y"));
    for (const Case& c : cases) {
        QString path = dir.filePath(c.name);
        ASSERT_NO_FATAL_FAILURE(WriteFile(path, c.bytes));
        EXPECT_TRUE(FixPictureType(path, QLatin1String(c.defaultExt))) << c.name;
        EXPECT_EQ(path, dir.filePath(c.expected));
        EXPECT_EQ(ReadFile(dir.filePath(c.expected)), c.bytes) << c.expected;
        if (QLatin1String(c.name) != QLatin1String(c.expected)) {
            EXPECT_FALSE(QFile::exists(dir.filePath(c.name))) << c.name;
        }
    }
}

TEST(FixPictureType, NeverReplacesAnExistingFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString older = dir.filePath("p.jpg");
    QString path = dir.filePath("p.png");
    ASSERT_NO_FATAL_FAILURE(WriteFile(older, QByteArray("earlier picture")));
    ASSERT_NO_FATAL_FAILURE(WriteFile(path, kJpeg));

    EXPECT_FALSE(FixPictureType(path));
    EXPECT_EQ(path, dir.filePath("p.png"));
    EXPECT_EQ(ReadFile(older), QByteArray("earlier picture"));
    EXPECT_EQ(ReadFile(path), kJpeg);
}

TEST(FixPictureType, MissingOrUnreadableFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString missing = dir.filePath("none.png");
    EXPECT_FALSE(FixPictureType(missing, ".jpg"));
    EXPECT_EQ(missing, dir.filePath("none.png"));

    QString folder = dir.filePath("folder.png");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    EXPECT_FALSE(FixPictureType(folder, ".jpg"));
    EXPECT_TRUE(QDir(folder).exists());
}

} // namespace
} // namespace phodex
