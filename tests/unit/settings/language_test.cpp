// SPDX-License-Identifier: MIT
#include "settings/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace phodex {
namespace {

TEST(Language, CodesAreZhAndEnOnly) {
    EXPECT_EQ(ParseLanguage(QStringLiteral("zh")), Language::Chinese);
    EXPECT_EQ(ParseLanguage(QStringLiteral("en")), Language::English);
    for (const char* other : {"", "ZH", "zh_CN", "de", "english"})
        EXPECT_EQ(ParseLanguage(QLatin1String(other)), std::nullopt) << other;
    EXPECT_EQ(LanguageCode(Language::Chinese), QStringLiteral("zh"));
    EXPECT_EQ(LanguageCode(Language::English), QStringLiteral("en"));
}

TEST(Language, ChineseForEveryChineseDesktopEnglishForTheRest) {
    const struct {
        const char* locale;
        Language expected;
    } cases[] = {
        {.locale = "zh_CN", .expected = Language::Chinese},
        {.locale = "zh_TW", .expected = Language::Chinese},
        {.locale = "zh_HK", .expected = Language::Chinese},
        {.locale = "en_US", .expected = Language::English},
        {.locale = "de_DE", .expected = Language::English},
        {.locale = "ja_JP", .expected = Language::English},
        {.locale = "C", .expected = Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLocale(QLocale(QLatin1String(c.locale))), c.expected) << c.locale;
}

TEST(Language, TheCommandLineWinsOverTheSavedChoiceWhichWinsOverTheDesktop) {
    const QLocale chinese(QStringLiteral("zh_CN"));
    const QLocale english(QStringLiteral("en_US"));
    EXPECT_EQ(PickLanguage(Language::English, Language::Chinese, chinese), Language::English);
    EXPECT_EQ(PickLanguage(Language::Chinese, Language::English, english), Language::Chinese);
    EXPECT_EQ(PickLanguage(std::nullopt, Language::English, chinese), Language::English);
    EXPECT_EQ(PickLanguage(std::nullopt, Language::Chinese, english), Language::Chinese);
    EXPECT_EQ(PickLanguage(std::nullopt, std::nullopt, chinese), Language::Chinese);
    EXPECT_EQ(PickLanguage(std::nullopt, std::nullopt, english), Language::English);
}

TEST(Language, TheSavedChoiceIsReadBackFromTheWorkFolder) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    EXPECT_EQ(SavedLanguage(work.path()), std::nullopt);
    ASSERT_TRUE(SaveLanguage(work.path(), Language::English));
    EXPECT_EQ(SavedLanguage(work.path()), Language::English);
    ASSERT_TRUE(SaveLanguage(work.path(), Language::Chinese));
    EXPECT_EQ(SavedLanguage(work.path()), Language::Chinese);

    // A file someone else wrote into counts as no choice.
    QFile file(QDir(work.path()).filePath(QStringLiteral("language.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("fr\n");
    file.close();
    EXPECT_EQ(SavedLanguage(work.path()), std::nullopt);
    EXPECT_FALSE(SaveLanguage(work.filePath(QStringLiteral("missing/folder")), Language::English));
}

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "test_settings";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
    return *app;
}

TEST(Language, EnglishComesFromTheBuiltInTranslationAndQtSpeaksTheChosenLanguage) {
    App();
    const auto program = [] { return QCoreApplication::translate("phodex::Jobs", "下载完毕"); };
    const auto qt = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(program(), QStringLiteral("下载完毕"));

    UseLanguage(Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(program(), QStringLiteral("Download finished"));
    EXPECT_EQ(qt(), QStringLiteral("Cancel"));

    // A second call replaces the first: the program's Chinese texts are the
    // sources, Qt's own buttons come from its Chinese translation.
    UseLanguage(Language::Chinese);
    EXPECT_EQ(CurrentLanguage(), Language::Chinese);
    EXPECT_EQ(program(), QStringLiteral("下载完毕"));
    EXPECT_EQ(qt(), QStringLiteral("取消"));
}

} // namespace
} // namespace phodex
