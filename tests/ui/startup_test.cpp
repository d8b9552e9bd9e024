// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "browser/logintable.h"
#include "core/catalogue.h"
#include "settings/record.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace phodex::test {
namespace {

TEST_F(WindowTest, GetListDoesNothingUntilPreparationHasFinished) {
    ServeOwner({{"一", {}}});
    Window().start();
    EXPECT_FALSE(window->isReady());
    EXPECT_FALSE(window->isVisible());
    TypeAddress(TestSiteAddress("tester"));
    window->pressGetList();
    EXPECT_EQ(session.listState.load(), kListIdle);

    ASSERT_TRUE(WaitFor([this] { return window->isReady(); }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(site.countOf("/u/tester"), 0);
    // The category box is filled by the preparation: the catalogue, then the
    // test categories the site table adds.
    EXPECT_EQ(CategoryBox()->count(), categoryIndex(kPhotoSiteListType) + 1);
    EXPECT_EQ(CategoryBox()->itemText(0), categoryCaption(Category::Qq));
    EXPECT_EQ(CategoryBox()->itemText(categoryIndex(kPhotoSiteListType)),
              QStringLiteral("Photo test site"));
}

TEST_F(WindowTest, ControlsShowTheirCaptionsAndStartStates) {
    StartWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel多功能Albrio"));
    const struct {
        int id;
        const char16_t* caption;
        bool enabled;
    } buttons[] = {
        {Control::GetList, u"获取相册", true}, {Control::Download, u"下载", false},
        {Control::SetFolder, u"设置", true},   {Control::OpenFolder, u"打开", true},
        {Control::SelectAll, u"全选", true},   {Control::ThumbnailMode, u"预览图", true},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.id);
        EXPECT_EQ(Button(b.id)->text(), QString::fromUtf16(b.caption));
        EXPECT_EQ(Button(b.id)->isEnabled(), b.enabled);
    }
    EXPECT_EQ(GroupCaption(), QStringLiteral("相册列表"));
    EXPECT_TRUE(Text(Control::FindLink).contains(QStringLiteral("查找")));
    EXPECT_TRUE(Text(Control::FilterLink).contains(QStringLiteral("筛选")));
    EXPECT_TRUE(Text(Control::ExportLink).contains(QStringLiteral("导出")));
    EXPECT_EQ(CategoryBox()->currentIndex(), 0);
    EXPECT_TRUE(SubTypeBox()->isVisible());
    EXPECT_EQ(SubTypeBox()->count(), 3);
    EXPECT_EQ(SubTypeBox()->currentText(), QStringLiteral("QQ空间相册"));
    EXPECT_EQ(Model().columnCount(), 6);
    EXPECT_EQ(Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("名称"));
    EXPECT_EQ(Grid()->columnWidth(1), 575);
    EXPECT_TRUE(Grid()->isColumnHidden(4));
}

TEST_F(WindowTest, MenuBarHoldsEveryCommand) {
    StartWindow();
    const struct {
        int id;
        const char16_t* caption;
    } items[] = {
        {32796, u"登录方式1（如果登录失败，可勾选该项后再登录）"},
        {32781, u"QQ空间/QQ群"},
        {32794, u"新浪微博（登录时勾上下次自动登录）"},
        {32789, u"百度"},
        {32790, u"微商相册"},
        {32813, u"花瓣网"},
        {32792, u"又拍（下载器没弹窗提示你登录，就不要在这里登录）"},
        {32817, u"Instagram"},
        {32791, u"人人"},
        {32793, u"美空"},
        {32803, u"淘宝（强烈建议用小号登录）"},
        {32782, u"腾讯微博（登录时勾上下次自动登录）"},
        {32815, u"虎扑"},
        {32795, u"自定义登录"},
        {32778, u"下载参数设置"},
        {32779, u"文件名设置"},
        {32802, u"只生成迅雷下载列表"},
        {32804, u"生成图片原始名文件"},
        {32799, u"修正图片顺序"},
        {32800, u"修正图片格式"},
        {32774, u"不下载以前下载过的图片"},
        {32812, u"下载完成后打开保存路径"},
        {32808, u"只下载宝贝(商品)主图"},
        {32814, u"只下载宝贝(商品)描述里的图片"},
        {32776, u"又拍相册下载大图（不勾选为下载原图，下载原图速度更慢）"},
        {32811, u"导入下载文件并开始下载"},
        {32809, u"导出下载文件"},
        {32810, u"导出迅雷下载列表"},
        {32807, u"文件处理"},
        {32806, u"使用说明"},
        {32773, u"软件咨询"},
        {32772, u"问题反馈"},
        {32775, u"版本信息"},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.id);
        ASSERT_NE(window->action(item.id), nullptr);
        EXPECT_EQ(window->action(item.id)->text(), QString::fromUtf16(item.caption));
    }
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("<登录>"), QStringLiteral("<设置>"),
                                  QStringLiteral("<导入/导出>"), QStringLiteral("<辅助功能>"),
                                  QStringLiteral("<帮助>")}));
    QAction* modeless = window->action(Command::LoginModeless);
    EXPECT_TRUE(modeless->isChecked());
    modeless->trigger();
    EXPECT_FALSE(window->modelessLogin());
}

// A window without a usable browser (it failed to start) lists the login
// items but does not let them be chosen, and opens nothing.
TEST_F(WindowTest, WithoutABrowserTheLoginItemsCannotBeChosen) {
    StartWindow();
    ASSERT_EQ(window->logins(), nullptr);
    for (const LoginItem& item : LoginItems()) {
        SCOPED_TRACE(item.commandId);
        ASSERT_NE(window->action(item.commandId), nullptr);
        EXPECT_FALSE(window->action(item.commandId)->isEnabled());
        window->openLogin(item.commandId);
    }
    EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty());
}

TEST_F(WindowTest, HelpItemsOpenPagesThroughTheShell) {
    StartWindow();
    for (int id : {Command::Manual, Command::SoftwareAdvice, Command::Feedback, Command::FileTools})
        window->action(id)->trigger();
    const QStringList pages = shell.openedPages();
    ASSERT_EQ(pages.size(), 4);
    for (const QString& page : pages)
        EXPECT_TRUE(page.startsWith(QStringLiteral("https://"))) << page.toStdString();
    EXPECT_EQ(QSet<QString>(pages.begin(), pages.end()).size(), 4);
}

TEST_F(WindowTest, AboutBoxOpensOverTheWindow) {
    StartWindow();
    window->action(Command::About)->trigger();
    QDialog* about = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        about = window->findChild<QDialog*>();
        return about && about->isVisible();
    }));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于"));
    about->accept();
}

// The save folder at start: Pictures/Albrio/, or Documents/Albrio/ (made at
// once) when started from a temporary folder; a saved folder wins over both.
TEST_F(WindowTest, InitialSaveFolderFollowsTheStartFolderAndTheRecord) {
    const QString home = homeDir.path();
    setup.currentDir = home + QStringLiteral("/tmp/unpacked");
    StartWindow();
    EXPECT_EQ(SavePath()->currentText(), home + QStringLiteral("/Documents/Albrio/"));
    EXPECT_TRUE(QFileInfo(home + QStringLiteral("/Documents/Albrio")).isDir());
    window.reset();

    setup.currentDir = home;
    session.ready = false;
    StartWindow();
    EXPECT_EQ(SavePath()->currentText(), home + QStringLiteral("/Pictures/Albrio/"));
    window.reset();

    SettingsRecord record;
    ASSERT_TRUE(LoadSettings(session.workDir, record));
    ASSERT_TRUE(PushRecent(record, RecentList::SavePaths, QStringLiteral("/srv/photos/")));
    ASSERT_TRUE(PushRecent(record, RecentList::Addresses, QStringLiteral("http://a.example/1")));
    ASSERT_TRUE(SaveSettings(session.workDir, record));
    session.ready = false;
    StartWindow();
    EXPECT_EQ(SavePath()->currentText(), QStringLiteral("/srv/photos/"));
    EXPECT_EQ(SavePath()->itemText(0), QStringLiteral("/srv/photos/"));
    EXPECT_EQ(Address()->itemText(0), QStringLiteral("http://a.example/1"));
}

} // namespace
} // namespace phodex::test
