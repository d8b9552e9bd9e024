// SPDX-License-Identifier: MIT
// The work the options do after an album: list file, format fix, order fix,
// and how the options are switched.
#include "download/postprocess.h"
#include "download/postprocessoptions.h"
#include "settings/record.h"
#include "support/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace phodex {
namespace {

using test::ReadFile;
using test::WriteFile;

class PostProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        list.folder = dir.path() + u'/';
    }
    QTemporaryDir dir;
    CDownList list;
};

TEST_F(PostProcess, ListFileHoldsTheAddressesInGbkWithCrLf) {
    list.urls << QStringLiteral("http://a.example.com/1.jpg")
              << QStringLiteral("http://a.example.com/相册/2.jpg")
              << QStringLiteral("http://a.example.com/3.jpg\r\nhttp://b.example.com/3.jpg");
    const QString path = list.folder + QStringLiteral("相册.lst");
    ASSERT_TRUE(WriteDownloadList(path, list.urls));
    const QByteArray expected = QByteArray("http://a.example.com/1.jpg\r\n"
                                           "http://a.example.com/\xcf\xe0\xb2\xe1/2.jpg\r\n"
                                           "http://a.example.com/3.jpg\r\n"
                                           "http://b.example.com/3.jpg\r\n");
    EXPECT_EQ(ReadFile(path), expected);
    // Written again, the file is replaced, not extended.
    ASSERT_TRUE(WriteDownloadList(path, QStringList{QStringLiteral("http://x/1.jpg")}));
    EXPECT_EQ(ReadFile(path), QByteArray("http://x/1.jpg\r\n"));
}

TEST_F(PostProcess, ListFileThatCannotBeMadeReportsFalse) {
    EXPECT_FALSE(WriteDownloadList(list.folder + QStringLiteral("no/such/folder/a.lst"),
                                   QStringList{QStringLiteral("http://x/1.jpg")}));
}

TEST_F(PostProcess, OrderFixDatesPicturesAMinuteApartInListOrder) {
    list.names << QStringLiteral("a.jpg") << QStringLiteral("missing.jpg")
               << QStringLiteral("c.jpg");
    WriteFile(list.folder + QStringLiteral("a.jpg"), "a");
    WriteFile(list.folder + QStringLiteral("c.jpg"), "c");
    const qint64 now = 1'700'000'000;
    FixPictureOrder(list, now);
    const QFileInfo a(list.folder + QStringLiteral("a.jpg"));
    const QFileInfo c(list.folder + QStringLiteral("c.jpg"));
    EXPECT_EQ(a.lastModified().toSecsSinceEpoch(), now);
    EXPECT_EQ(c.lastModified().toSecsSinceEpoch(), now - 120); // the missing one used its minute
    EXPECT_EQ(c.lastRead().toSecsSinceEpoch(), now - 120);
    EXPECT_FALSE(QFile::exists(list.folder + QStringLiteral("missing.jpg")));
}

TEST_F(PostProcess, FormatFixRenamesByContentAndUpdatesTheNames) {
    const QByteArray jpeg("\xFF\xD8\xFF\xE0 jpeg", 9);
    const QByteArray unknown("plain text");
    WriteFile(list.folder + QStringLiteral("1.gif"), jpeg);
    WriteFile(list.folder + QStringLiteral("2.jpg"), unknown);
    list.names << QStringLiteral("1.gif") << QStringLiteral("2.jpg") << QStringLiteral("3.png");
    FixPictureFormats(list);
    EXPECT_EQ(list.names, (QStringList{QStringLiteral("1.jpg"), QStringLiteral("2.jpg"),
                                       QStringLiteral("3.png")}));
    EXPECT_EQ(ReadFile(list.folder + QStringLiteral("1.jpg")), jpeg);
    EXPECT_FALSE(QFile::exists(list.folder + QStringLiteral("1.gif")));

    // With a default extension, a video takes it; content of no known type
    // stays as it was named.
    const QByteArray video("\0\0\0\x18"
                           "ftypmp42 video",
                           18);
    WriteFile(list.folder + QStringLiteral("4.jpg"), video);
    list.names << QStringLiteral("4.jpg");
    FixPictureFormats(list, QStringLiteral(".mp4"));
    EXPECT_EQ(list.names, (QStringList{QStringLiteral("1.jpg"), QStringLiteral("2.jpg"),
                                       QStringLiteral("3.png"), QStringLiteral("4.mp4")}));
    EXPECT_EQ(ReadFile(list.folder + QStringLiteral("2.jpg")), unknown);
    EXPECT_EQ(ReadFile(list.folder + QStringLiteral("4.mp4")), video);
}

TEST(OptionToggles, ShopOptionsExcludeEachOther) {
    const struct {
        std::uint16_t before, flipped, after;
    } cases[] = {
        {kOptionMainPicturesOnly, kOptionDescriptionPicturesOnly, kOptionDescriptionPicturesOnly},
        {kOptionDescriptionPicturesOnly, kOptionMainPicturesOnly, kOptionMainPicturesOnly},
        {kOptionMainPicturesOnly, kOptionMainPicturesOnly, 0},
        {kOptionDescriptionPicturesOnly | kOptionOpenFolder, kOptionDescriptionPicturesOnly,
         kOptionOpenFolder},
        {kOptionOpenFolder, kOptionListOnly, kOptionOpenFolder | kOptionListOnly},
        {kOptionOpenFolder | kOptionListOnly, kOptionListOnly, kOptionOpenFolder},
        {kOptionMainPicturesOnly, kOptionFixFormat, kOptionMainPicturesOnly | kOptionFixFormat},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToggleOption(c.before, c.flipped), c.after)
            << std::hex << c.before << " flip " << c.flipped;
    }
}

TEST(OptionToggles, ShopAndYupooOptionsAreOfferedOnlyForTheirSites) {
    for (int index = 0; index < kCategoryCount; ++index) {
        const Category listType = categoryAt(index);
        const bool shop = listType == Category::Shops || listType == Category::Jd;
        EXPECT_EQ(IsOptionOffered(kOptionMainPicturesOnly, listType), shop) << index;
        EXPECT_EQ(IsOptionOffered(kOptionDescriptionPicturesOnly, listType), shop) << index;
        EXPECT_EQ(IsOptionOffered(kOptionYupooLarge, listType), listType == Category::Yupoo)
            << index;
        EXPECT_TRUE(IsOptionOffered(kOptionSkipPrevious, listType));
    }
}

TEST(OptionToggles, EveryOptionHasOneMenuItem) {
    std::uint16_t seen = 0;
    for (const OptionItem& item : OptionItems()) {
        EXPECT_EQ(seen & item.flag, 0) << item.menuId;
        seen |= item.flag;
    }
    EXPECT_EQ(seen, 0x01FF);
}

} // namespace
} // namespace phodex
