// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "core/catalogue.h"
#include "settings/record.h"
#include "ui/dlgdownset.h"
#include "ui/dlgsaveset.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>

namespace phodex::test {
namespace {

SettingsRecord Saved(const QString& workDir) {
    SettingsRecord record;
    EXPECT_TRUE(LoadSettings(workDir, record));
    return record;
}

template <typename Dialog> Dialog* OpenDialog(CPhodexDlg& window, int command) {
    window.action(command)->trigger();
    Dialog* dialog = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        dialog = window.findChild<Dialog*>();
        return dialog && dialog->isVisible();
    }));
    return dialog;
}

void Confirm(QDialog* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
}

TEST_F(WindowTest, DownloadParametersAreCheckedBeforeTheyAreSaved) {
    StartWindow();
    SelectCategory(Category::Poco);
    const DownloadParams before = Saved(session.workDir).downloadFor(Category::Poco);
    auto* dialog = OpenDialog<CDlgDownSet>(*window, Command::DownloadSettings);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("设置"));
    EXPECT_EQ(dialog->threadsEdit()->text(), QString::number(before.threads));

    const struct {
        const char* threads;
        const char* timeout;
    } rejected[] = {{"0", "30"}, {"16", "30"}, {"5", "9"}, {"-1", "30"}, {"abc", "30"}};
    for (const auto& r : rejected) {
        SCOPED_TRACE(r.threads);
        dialog->threadsEdit()->setText(QLatin1String(r.threads));
        dialog->timeoutEdit()->setText(QLatin1String(r.timeout));
        Confirm(dialog);
        EXPECT_EQ(dialogs.informations().last(), QStringLiteral("参数错误"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(Saved(session.workDir).downloadFor(Category::Poco), before);
    }
    dialog->threadsEdit()->setText(QStringLiteral("15"));
    dialog->timeoutEdit()->setText(QStringLiteral("10"));
    dialog->minSizeEdit()->setText(QStringLiteral("500"));
    dialog->maxSizeEdit()->setText(QStringLiteral("100"));
    Confirm(dialog);
    const DownloadParams saved = Saved(session.workDir).downloadFor(Category::Poco);
    EXPECT_EQ(saved, (DownloadParams{500, 100, 15, 10}));
    EXPECT_EQ(Saved(session.workDir).downloadFor(Category::Yupoo),
              Saved(session.workDir).downloadFor(Category::Instagram));
}

TEST_F(WindowTest, ClosingTheDownloadDialogKeepsTheRecord) {
    StartWindow();
    const SettingsRecord before = Saved(session.workDir);
    auto* dialog = OpenDialog<CDlgDownSet>(*window, Command::DownloadSettings);
    ASSERT_NE(dialog, nullptr);
    dialog->threadsEdit()->setText(QStringLiteral("0"));
    Confirm(dialog);
    dialog->threadsEdit()->setText(QStringLiteral("7"));
    dialog->reject();
    EXPECT_EQ(Saved(session.workDir), before);
}

TEST_F(WindowTest, NamingProfileIsCutAndSaved) {
    StartWindow();
    SelectCategory(Category::Lofter);
    window->action(32802)->trigger(); // an option that the dialog must leave alone
    const std::uint16_t options = Saved(session.workDir).profileFor(Category::Lofter).optionFlags;
    ASSERT_TRUE(options & kOptionListOnly);
    auto* dialog = OpenDialog<CDlgSaveSet>(*window, Command::NameSettings);
    ASSERT_NE(dialog, nullptr);
    const QString forty(40, QLatin1Char('p'));
    dialog->filePrefixEdit()->setText(forty);
    dialog->fileSuffixEdit()->setText(QStringLiteral("_com"));
    dialog->replaceFromEdit()->setText(QStringLiteral("a|b"));
    dialog->replaceToEdit()->setText(QStringLiteral("x|y"));
    dialog->folderPrefixEdit()->setText(QStringLiteral("?3-"));
    dialog->folderSuffixEdit()->setText(QStringLiteral("-?1"));
    dialog->nameBaseGroup()->button(2)->click();
    dialog->folderModeGroup()->button(1)->click();
    Confirm(dialog);
    const NamingProfile saved = Saved(session.workDir).profileFor(Category::Lofter);
    EXPECT_EQ(saved.filePrefix, forty.left(38));
    EXPECT_EQ(saved.fileSuffix, QStringLiteral("_com"));
    EXPECT_EQ(saved.replaceFrom, QStringLiteral("a|b"));
    EXPECT_EQ(saved.replaceTo, QStringLiteral("x|y"));
    EXPECT_EQ(saved.folderPrefix, QStringLiteral("?3-"));
    EXPECT_EQ(saved.folderSuffix, QStringLiteral("-?1"));
    EXPECT_EQ(saved.nameBase, NameBase::Address);
    EXPECT_EQ(saved.folderMode, FolderMode::None);
    EXPECT_EQ(saved.optionFlags, options);
}

TEST_F(WindowTest, NamingDialogShowsTheHelpText) {
    StartWindow();
    auto* dialog = OpenDialog<CDlgSaveSet>(*window, Command::NameSettings);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameBaseGroup()->checkedId(), 0);
    EXPECT_EQ(dialog->folderModeGroup()->checkedId(), 0);
    emit dialog->helpLink()->linkActivated(QStringLiteral("#"));
    ASSERT_FALSE(dialogs.informations().isEmpty());
    const QString help = dialogs.informations().last();
    EXPECT_TRUE(help.contains(QStringLiteral("_com")));
    EXPECT_TRUE(help.endsWith(QStringLiteral(
        "?9:相册在列表中的序号(格式为：0001,0002,0003...)\n?A:图片在相册中的序号(格式为：0001,"
        "0002,0003...)\n")));
    EXPECT_TRUE(help.contains(QStringLiteral(
        "转义字符如下（问号为英文的问号，相册名的转义字符只支持?1,?3,?9）：\n?1:相册名称\n")));
    dialog->reject();
}

} // namespace
} // namespace phodex::test
