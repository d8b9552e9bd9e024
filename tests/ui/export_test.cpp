// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "support/testfiles.h"

#include "ui/csvexport.h"

#include <QFile>

namespace phodex::test {
namespace {

TEST(CsvExport, FieldsAreCleanedSoThatTheyNeverSplitALine) {
    const struct {
        const char* text;
        const char* cleaned;
    } cases[] = {
        {"a,b", "a','b"},     {"it's", "its"}, {"say \"hi\"", "say \"\"hi\"\""},
        {"'a','b'", "a','b"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanCsvField(QString::fromUtf8(c.text)), QString::fromUtf8(c.cleaned)) << c.text;
}

TEST_F(WindowTest, ExportWritesTheGridAsGbkLines) {
    TestOwner owner{"tester", {}, 3, false};
    owner.albums = {{"a1", "a,b", 2}, {"a2", "it's", -1}, {"a3", "中文", 12}};
    ServeTestSite(site, "tester", owner);
    StartWindow();
    ListInWindow();
    ASSERT_EQ(Model().rowCount(), 3);

    const QString plain = homeDir.path() + QStringLiteral("/plain.csv");
    dialogs.queueAnswer(false);
    dialogs.queuePath(plain);
    window->exportCsv();
    EXPECT_EQ(dialogs.informations().last(),
              QStringLiteral("此导出为导出表格内容，如需下载图片，请点击右上角的 下载 按钮。"));
    EXPECT_EQ(dialogs.questions().last(), QStringLiteral("是否导出相册网址?"));
    EXPECT_EQ(ReadFile(plain), QByteArray("0001,a','b,   2,,,,\r\n"
                                          "0002,its,\xCE\xB4\xD6\xAA,,,,\r\n"
                                          "0003,\xD6\xD0\xCE\xC4,  12,,,,\r\n"));

    const QString withAddresses = homeDir.path() + QStringLiteral("/addresses.csv");
    dialogs.queueAnswer(true);
    dialogs.queuePath(withAddresses);
    window->exportCsv();
    EXPECT_EQ(ReadFile(withAddresses), QByteArray("0001,a','b,   2,,,,/album/a1,\r\n"
                                                  "0002,its,\xCE\xB4\xD6\xAA,,,,/album/a2,\r\n"
                                                  "0003,\xD6\xD0\xCE\xC4,  12,,,,/album/a3,\r\n"));
}

TEST_F(WindowTest, ExportWithoutAlbumsWritesAnEmptyFileAndCancelWritesNothing) {
    StartWindow();
    const QString path = homeDir.path() + QStringLiteral("/empty.csv");
    dialogs.queuePath(path);
    window->exportCsv();
    EXPECT_EQ(ReadFile(path), QByteArray());
    EXPECT_EQ(dialogs.choosers().last(), QStringLiteral("导出后，自行调整列宽(*.csv)"));

    window->exportCsv(); // the save dialog is cancelled
    EXPECT_EQ(dialogs.choosers().size(), 2);
}

} // namespace
} // namespace phodex::test
