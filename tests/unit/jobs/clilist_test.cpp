// SPDX-License-Identifier: MIT
#include "support/childprogram.h"
#include "support/siteoption.h"
#include "testpaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace phodex {
using test::SiteOption;
namespace {

using CliRun = test::ProgramRun;

// phodex-cli list in a work folder of its own, as a user would run it. Every
// connection goes to a closed loopback port, so the listings here find
// nothing; what a listing finds is covered by the job tests.
CliRun RunList(const QStringList& arguments) {
    QTemporaryDir work;
    test::ChildProgram process;
    process.setWorkingDirectory(work.path());
    const QStringList offline{"--connect-to",     ":80:127.0.0.1:9", "--connect-to",
                              ":443:127.0.0.1:9", "--proxy",         ""};
    return test::RunProgram(process, QStringLiteral(PHODEX_CLI),
                            QStringList{"--work-dir", work.path()} + offline +
                                QStringList{"list"} + arguments,
                            60000);
}

TEST(CliListTest, NothingFoundIsAnEmptyJsonArrayAndStatusTwo) {
    const CliRun run = RunList({"--json", "12345"});
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    const QJsonDocument json = QJsonDocument::fromJson(run.out.toUtf8());
    ASSERT_TRUE(json.isArray()) << run.out.toStdString();
    EXPECT_TRUE(json.array().isEmpty());
    // The job's progress and the QQ Zone message, on stderr.
    EXPECT_TRUE(run.err.contains("正在获取相册列表，请稍等...")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("phodex-cli: 没有获取到相册，原因如下："))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("获取相册列表完成，共0个"));
}

TEST(CliListTest, TheAddressChoosesTheCategoryUnlessSiteIsGiven) {
    // A Douban address without "/photos" gets the Douban message.
    CliRun run = RunList({"--quiet", "https://www.douban.com/people/x/"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("请输入豆瓣")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("正在获取相册列表")) << "--quiet keeps progress off stderr";

    // The same address under an explicit JD category is no JD product page.
    run = RunList({"--quiet", SiteOption(Category::Jd), "https://www.douban.com/people/x/"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("请输入京东商品页")) << run.err.toStdString();
}

TEST(CliListTest, AnAddressWithoutSchemeIsRefusedOutsideQq) {
    const CliRun run =
        RunList({"--quiet", SiteOption(Category::Instagram), "instagram.com/someone"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("http://")) << run.err.toStdString();
}

TEST(CliListTest, ListNeedsOneAddress) {
    EXPECT_EQ(RunList({}).exitCode, 1);
}

} // namespace
} // namespace phodex
