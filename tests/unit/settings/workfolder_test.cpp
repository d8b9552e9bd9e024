// SPDX-License-Identifier: MIT
#include "settings/makefolder.h"
#include "settings/workfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace phodex {
namespace {

// Points the per-user locations into a temporary folder for one test.
class WorkFolder : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString current;
    const char* const kVars[3] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
    QByteArray saved[3];

    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            saved[i] = qgetenv(kVars[i]);
            qputenv(kVars[i], root.filePath(QString::fromLatin1(kVars[i])).toUtf8());
        }
        current = root.filePath(QStringLiteral("cwd"));
        ASSERT_TRUE(QDir().mkpath(current));
    }
    void TearDown() override {
        for (int i = 0; i < 3; ++i) {
            if (saved[i].isNull())
                qunsetenv(kVars[i]);
            else
                qputenv(kVars[i], saved[i]);
        }
    }
    QString Under(const QString& relative) const { return root.filePath(relative); }
    void Touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

TEST_F(WorkFolder, PerUserLocationsByDefault) {
    const WorkLocations where = ResolveWorkLocations(current, QString());
    EXPECT_FALSE(where.portable);
    EXPECT_EQ(where.workDir, Under(QStringLiteral("XDG_CONFIG_HOME/phodex/")));
    EXPECT_EQ(where.browserProfile, Under(QStringLiteral("XDG_DATA_HOME/phodex/browser/")));
    EXPECT_EQ(where.thumbnailCache, Under(QStringLiteral("XDG_CACHE_HOME/phodex/tmp/")));

    QString error;
    EXPECT_EQ(PickWorkFolder(current, QString(), &error), where.workDir);
    EXPECT_TRUE(QFileInfo(where.workDir).isDir());
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(WorkFolder, WorkDirOptionHoldsEverything) {
    for (const QString& option : {QStringLiteral("rel/w"), Under(QStringLiteral("abs/w/"))}) {
        const QString base = QDir(current).absoluteFilePath(option);
        const WorkLocations where = ResolveWorkLocations(current, option);
        EXPECT_EQ(where.workDir, QDir::cleanPath(base) + u'/');
        EXPECT_EQ(where.browserProfile, where.workDir + QStringLiteral("browser/"));
        EXPECT_EQ(where.thumbnailCache, where.workDir + QStringLiteral("tmp/"));
        EXPECT_EQ(PickWorkFolder(current, option), where.workDir);
        EXPECT_TRUE(QFileInfo(where.workDir).isDir()) << option.toStdString();
    }
}

TEST_F(WorkFolder, CurrentFolderWithOurFilesIsPortable) {
    for (const QString& name : {QStringLiteral("soft.dat"), QStringLiteral("下载器扩展设置.ini")}) {
        const QString here = QDir(current).filePath(name + QStringLiteral(".d"));
        ASSERT_TRUE(QDir().mkpath(here));
        Touch(QDir(here).filePath(name));
        const WorkLocations where = ResolveWorkLocations(here, QStringLiteral("/ignored"));
        EXPECT_TRUE(where.portable) << name.toStdString();
        EXPECT_EQ(where.workDir, here + u'/');
        EXPECT_EQ(where.thumbnailCache, Under(QStringLiteral("XDG_CACHE_HOME/phodex/tmp/")));
        EXPECT_EQ(PickWorkFolder(here, QStringLiteral("/ignored")), here + u'/');
    }
}

TEST_F(WorkFolder, FailureNamesTheLevelThatCouldNotBeMade) {
    const QString blocker = Under(QStringLiteral("a/file"));
    ASSERT_TRUE(QDir().mkpath(Under(QStringLiteral("a"))));
    Touch(blocker);

    EXPECT_EQ(MakeFolderPath(blocker + QStringLiteral("/b/c")), blocker);
    QString error;
    EXPECT_TRUE(PickWorkFolder(current, blocker + QStringLiteral("/w"), &error).isEmpty());
    EXPECT_TRUE(error.contains(blocker)) << error.toStdString();
}

TEST(MakeFolderPath, MakesEveryMissingLevel) {
    QTemporaryDir root;
    const QString deep = root.filePath(QStringLiteral("x/y/相册/z"));
    EXPECT_EQ(MakeFolderPath(deep), QString());
    EXPECT_TRUE(QFileInfo(deep).isDir());
    EXPECT_EQ(MakeFolderPath(deep), QString()) << "an existing folder is fine";
}

} // namespace
} // namespace phodex
