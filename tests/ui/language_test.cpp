// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "settings/language.h"
#include "ui/dlgdownset.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace phodex::test {
namespace {

// The window built while the English translation is in use, as a start on
// an English desktop makes it.
class EnglishWindowTest : public WindowTest {
protected:
    void SetUp() override {
        UseLanguage(Language::English);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        UseLanguage(Language::Chinese);
    }
};

TEST_F(EnglishWindowTest, TheWindowsCaptionsMenusAndGridSpeakEnglish) {
    StartWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel Multi-purpose Albrio"));
    const struct {
        int id;
        const char* caption;
    } buttons[] = {
        {.id = Control::GetList, .caption = "Get albums"},
        {.id = Control::Download, .caption = "Download"},
        {.id = Control::SetFolder, .caption = "Change"},
        {.id = Control::OpenFolder, .caption = "Open"},
        {.id = Control::SelectAll, .caption = "Select all"},
        {.id = Control::ThumbnailMode, .caption = "Thumbnails"},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(Button(b.id)->text(), QLatin1String(b.caption)) << b.id;
    EXPECT_EQ(GroupCaption(), QStringLiteral("Albums"));
    EXPECT_TRUE(Text(Control::FindLink).contains(QStringLiteral("Find")));
    EXPECT_EQ(CategoryBox()->itemText(0), QStringLiteral("QQ Zone/QQ groups/Tencent Weibo"));
    EXPECT_EQ(SubTypeBox()->currentText(), QStringLiteral("QQ Zone albums"));

    QStringList menus;
    for (QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("<Login>"), QStringLiteral("<Settings>"),
                                  QStringLiteral("<Import/Export>"), QStringLiteral("<Tools>"),
                                  QStringLiteral("<Help>")}));
    EXPECT_EQ(window->action(Command::About)->text(), QStringLiteral("About"));
    EXPECT_EQ(window->action(32803)->text(),
              QStringLiteral("Taobao (a spare account is strongly recommended)"));
    EXPECT_EQ(window->action(32774)->text(), QStringLiteral("Skip pictures downloaded before"));

    QStringList headers;
    for (int column = 0; column < 4; ++column)
        headers << Model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(headers, (QStringList{QStringLiteral("No."), QStringLiteral("Name"),
                                    QStringLiteral("Pictures"), QStringLiteral("Remark")}));
}

TEST_F(EnglishWindowTest, ListedAlbumsKeepTheSitesNames) {
    ServeOwner({{"春天", {}}});
    StartWindow();
    SelectCategory(kPhotoSiteListType);
    TypeAddress(TestSiteAddress("tester"));
    Button(Control::GetList)->click();
    ASSERT_TRUE(WaitFor([this] {
        return session.listState.load() == kListIdle &&
               Text(Control::StatusLine).startsWith(QStringLiteral("Got the album list")) &&
               Button(Control::GetList)->text() == QStringLiteral("Get albums") &&
               CategoryBox()->isEnabled();
    }));
    ASSERT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().data(Model().index(0, 1), Qt::DisplayRole).toString(),
              QStringLiteral("春天"));
    EXPECT_EQ(GroupCaption(), QStringLiteral("Albums (1 in all)"));
    EXPECT_EQ(Text(Control::StatusLine), QStringLiteral("Got the album list, 1 in all"));
}

TEST_F(EnglishWindowTest, TheGridShowsOurWordsInEnglishAndKeepsThemForTheFiles) {
    AlbumGridModel model;
    model.reset(AlbumGridModel::Mode::List, 1);
    AlbumInfo album;
    album.name = QStringLiteral("加密相册");
    album.photoCount = -1;
    album.flags = kAlbumEncrypted;
    album.listIndex = 0;
    model.appendAlbums({album});
    ASSERT_EQ(model.rowCount(), 1);
    const auto shown = [&](int column) {
        return model.data(model.index(0, column), Qt::DisplayRole).toString();
    };
    // The site's name stays even where it reads like one of our words.
    EXPECT_EQ(shown(1), QStringLiteral("加密相册"));
    EXPECT_EQ(shown(2), QStringLiteral("?"));
    EXPECT_EQ(shown(3), QStringLiteral("password-protected album"));
    // The CSV export and the search read the texts as the files keep them.
    EXPECT_EQ(model.rowTexts(0).mid(1, 3),
              (QStringList{QStringLiteral("加密相册"), QStringLiteral("未知"),
                           QStringLiteral("加密相册")}));
}

TEST_F(EnglishWindowTest, DialogsAndMessagesSpeakEnglish) {
    StartWindow();
    window->action(Command::DownloadSettings)->trigger();
    CDlgDownSet* dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        dialog = window->findChild<CDlgDownSet*>();
        return dialog && dialog->isVisible();
    }));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Settings"));
    dialog->threadsEdit()->setText(QStringLiteral("16"));
    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    EXPECT_EQ(dialogs.informations().last(), QStringLiteral("Invalid settings"));
    dialog->reject();

    // A job's message: nothing typed to list.
    TypeAddress(QString());
    window->pressGetList();
    ASSERT_TRUE(WaitFor([this] { return dialogs.informations().size() == 2; }));
    EXPECT_EQ(dialogs.informations().last(),
              QStringLiteral("Please enter the address or QQ number to get albums from first"));
}

TEST_F(WindowTest, TheHelpMenuKeepsTheLanguageForTheNextStart) {
    StartWindow();
    QAction* chinese = window->action(Command::LanguageChinese);
    QAction* english = window->action(Command::LanguageEnglish);
    ASSERT_NE(chinese, nullptr);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(chinese->text(), QStringLiteral("中文"));
    EXPECT_EQ(english->text(), QStringLiteral("English"));
    EXPECT_TRUE(chinese->isChecked());
    EXPECT_FALSE(english->isChecked());
    EXPECT_EQ(SavedLanguage(session.workDir), std::nullopt);

    english->trigger();
    EXPECT_EQ(SavedLanguage(session.workDir), Language::English);
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(chinese->isChecked());
    ASSERT_EQ(dialogs.informations().size(), 1);
    EXPECT_EQ(dialogs.informations().last(), QStringLiteral("界面语言将在下次启动时更换"));
    // This start keeps its language.
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel多功能Albrio"));

    // Back to the language in use: nothing to tell.
    chinese->trigger();
    EXPECT_EQ(SavedLanguage(session.workDir), Language::Chinese);
    EXPECT_EQ(dialogs.informations().size(), 1);
}

} // namespace
} // namespace phodex::test
