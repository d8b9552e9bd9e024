// SPDX-License-Identifier: MIT
// The menu bar: login, settings with the per-category options, import and
// export, tools and help.
#include "ui/phodexdlg.h"

#include "browser/loginlauncher.h"
#include "download/postprocessoptions.h"
#include "settings/language.h"
#include "settings/record.h"
#include "ui/aboutdialog.h"
#include "ui/commandids.h"
#include "ui/dlgdownset.h"
#include "ui/dlgsaveset.h"
#include "ui/historycombo.h"
#include "ui/productpages.h"

#include <QActionGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace phodex {

namespace {

// The option items in the order the menu lists them.
constexpr int kOptionMenuOrder[] = {32802, 32804, 32799, 32800, 32774, 32812, 32808, 32814, 32776};

const OptionItem* OptionByCommand(int id) {
    const auto items = OptionItems();
    const auto it = std::find_if(items.begin(), items.end(),
                                 [id](const OptionItem& item) { return item.menuId == id; });
    return it == items.end() ? nullptr : &*it;
}

} // namespace

QAction* CPhodexDlg::addCommand(QMenu* menu, int id, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setData(id);
    m_actions.insert(id, action);
    return action;
}

void CPhodexDlg::buildMenus() {
    buildLoginMenu();
    buildSettingsMenu();
    QMenu* io = menuBar()->addMenu(tr("<导入/导出>"));
    connect(addCommand(io, Command::ImportList, tr("导入下载文件并开始下载")), &QAction::triggered,
            this, &CPhodexDlg::importList);
    connect(addCommand(io, Command::ExportList, tr("导出下载文件")), &QAction::triggered, this,
            [this] { exportPictureList(Command::ExportList); });
    connect(addCommand(io, Command::ExportThunder, tr("导出迅雷下载列表")), &QAction::triggered,
            this, [this] { exportPictureList(Command::ExportThunder); });
    buildHelpMenus();
}

void CPhodexDlg::buildLoginMenu() {
    QMenu* menu = menuBar()->addMenu(tr("<登录>"));
    QAction* modeless = addCommand(menu, Command::LoginModeless,
                                   tr("登录方式1（如果登录失败，可勾选该项后再登录）"));
    modeless->setCheckable(true);
    modeless->setChecked(m_modelessLogin);
    connect(modeless, &QAction::toggled, this, [this](bool on) { m_modelessLogin = on; });
    menu->addSeparator();
    for (const LoginItem& item : LoginItems()) {
        const int id = item.commandId;
        QAction* action = addCommand(menu, id, LoginCaption(item));
        connect(action, &QAction::triggered, this, [this, id] { openLogin(id); });
        // Without a browser (it could not start, or a test left it out) the
        // items are listed but cannot be chosen.
        if (!m_logins) {
            action->setEnabled(false);
            action->setToolTip(tr("浏览器组件不可用"));
        }
    }
}

void CPhodexDlg::openLogin(int commandId) {
    const LoginItem* item = FindLoginItem(commandId);
    if (!item || !m_logins)
        return;
    LoginRequest request;
    request.typedAddress = m_address->currentText();
    request.qqSubTypeEntry = m_subType->currentIndex();
    request.productHome = QLatin1String(kProductHome);
    m_logins->open(*item, request, m_modelessLogin);
}

void CPhodexDlg::buildSettingsMenu() {
    m_settingsMenu = menuBar()->addMenu(tr("<设置>"));
    connect(addCommand(m_settingsMenu, Command::DownloadSettings, tr("下载参数设置")),
            &QAction::triggered, this, &CPhodexDlg::openDownloadSettings);
    connect(addCommand(m_settingsMenu, Command::NameSettings, tr("文件名设置")),
            &QAction::triggered, this, &CPhodexDlg::openNameSettings);
    m_settingsMenu->addSeparator();
    for (int id : kOptionMenuOrder) {
        const OptionItem* item = OptionByCommand(id);
        if (!item)
            continue;
        QAction* action = addCommand(m_settingsMenu, id, OptionCaption(*item));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, id] { toggleOption(id); });
    }
    connect(m_settingsMenu, &QMenu::aboutToShow, this, &CPhodexDlg::refreshOptionItems);
    refreshOptionItems();
}

void CPhodexDlg::buildHelpMenus() {
    QMenu* tools = menuBar()->addMenu(tr("<辅助功能>"));
    connect(addCommand(tools, Command::FileTools, tr("文件处理")), &QAction::triggered, this,
            [this] { m_shell.openPage(QLatin1String(kFileToolsPage)); });
    QMenu* help = menuBar()->addMenu(tr("<帮助>"));
    const std::pair<int, const char*> pages[] = {{Command::Manual, kManualPage},
                                                 {Command::SoftwareAdvice, kAdvicePage},
                                                 {Command::Feedback, kFeedbackPage}};
    const QString captions[] = {tr("使用说明"), tr("软件咨询"), tr("问题反馈")};
    for (int i = 0; i < 3; ++i) {
        const QString page = QLatin1String(pages[i].second);
        connect(addCommand(help, pages[i].first, captions[i]), &QAction::triggered, this,
                [this, page] { m_shell.openPage(page); });
    }
    help->addSeparator();
    connect(addCommand(help, Command::About, tr("版本信息")), &QAction::triggered, this,
            &CPhodexDlg::showAbout);
    help->addSeparator();
    buildLanguageMenu(help->addMenu(tr("界面语言")));
}

void CPhodexDlg::buildLanguageMenu(QMenu* menu) {
    // Each language is named in itself, so that a reader of either finds it.
    const std::pair<int, Language> items[] = {{Command::LanguageChinese, Language::Chinese},
                                              {Command::LanguageEnglish, Language::English}};
    auto* group = new QActionGroup(menu);
    for (const auto& [id, language] : items) {
        QAction* action = addCommand(menu, id,
                                     language == Language::Chinese ? QStringLiteral("中文")
                                                                   : QStringLiteral("English"));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
    const auto refresh = [this] {
        const Language shown = SavedLanguage(m_session.workDir).value_or(CurrentLanguage());
        m_actions.value(Command::LanguageChinese)->setChecked(shown == Language::Chinese);
        m_actions.value(Command::LanguageEnglish)->setChecked(shown == Language::English);
    };
    connect(menu, &QMenu::aboutToShow, this, refresh);
    refresh();
}

void CPhodexDlg::chooseLanguage(Language language) {
    if (!SaveLanguage(m_session.workDir, language)) {
        m_prompt.information(tr("无法保存界面语言的设置"));
        return;
    }
    if (language != CurrentLanguage())
        m_prompt.information(tr("界面语言将在下次启动时更换"));
}

void CPhodexDlg::refreshOptionItems() {
    const Category listType = this->listType();
    const std::uint16_t flags =
        hasSettingsEntry(listType) ? m_session.settings().profileFor(listType).optionFlags : 0;
    for (const OptionItem& item : OptionItems()) {
        if (QAction* action = m_actions.value(item.menuId)) {
            action->setChecked((flags & item.flag) != 0);
            action->setEnabled(hasSettingsEntry(listType) && IsOptionOffered(item.flag, listType));
        }
    }
}

void CPhodexDlg::toggleOption(int commandId) {
    const OptionItem* item = OptionByCommand(commandId);
    const Category listType = this->listType();
    if (item && hasSettingsEntry(listType) && IsOptionOffered(item->flag, listType)) {
        m_session.updateSettings([&](SettingsRecord& record) {
            std::uint16_t& flags = record.profileFor(listType).optionFlags;
            flags = ToggleOption(flags, item->flag);
            return true;
        });
        saveSettings();
    }
    refreshOptionItems();
}

void CPhodexDlg::openDownloadSettings() {
    const Category listType = this->listType();
    if (!hasSettingsEntry(listType))
        return;
    auto* dialog = new CDlgDownSet(m_session.settings().downloadFor(listType), m_prompt, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, listType] {
        m_session.updateSettings([&](SettingsRecord& record) {
            record.downloadFor(listType) = dialog->params();
            return true;
        });
        saveSettings();
    });
    dialog->open();
}

void CPhodexDlg::openNameSettings() {
    const Category listType = this->listType();
    if (!hasSettingsEntry(listType))
        return;
    auto* dialog = new CDlgSaveSet(m_session.settings().profileFor(listType), m_prompt, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, listType] {
        const NamingProfile typed = dialog->profile();
        m_session.updateSettings([&](SettingsRecord& record) {
            NamingProfile& profile = record.profileFor(listType);
            // The options may have changed since the dialog opened; keep them.
            const std::uint16_t options = profile.optionFlags;
            profile = typed;
            profile.optionFlags = options;
            return true;
        });
        saveSettings();
    });
    dialog->open();
}

void CPhodexDlg::showAbout() {
    auto* about = new AboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace phodex
