// SPDX-License-Identifier: MIT
// Start-up (notice, preparation, ready) and the orderly end of the window.
#include "ui/phodexdlg.h"

#include "core/catalogue.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"
#include "jobs/picturelistjob.h"
#include "net/cookiejar.h"
#include "settings/record.h"
#include "ui/dialogprompt.h"
#include "ui/historycombo.h"
#include "ui/splashscreen.h"
#include "ui/thumbnailloader.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>

namespace phodex {

namespace {

// Longer clipboard texts are not taken for an address.
constexpr int kClipboardMaxChars = 200;

} // namespace

void CPhodexDlg::start() {
    resetGrid();
    prefillAddress();
    chooseInitialSaveFolder();
    loadSettings();
    if (m_setup.splash) {
        m_splash = new CSplashScreenEx(tr("正在启动，请稍等……\n\n启动完成后，输入相册网址或QQ号，"
                                          "点击“获取相册”即可列出相册。"));
        m_splash->showFading();
    }
    hide();
    // The cookie file may be large; the window shows once it is read.
    const QString cookieFile = QDir(m_session.workDir).filePath(QLatin1String(kCookieFileName));
    m_preparation = std::thread([this, cookieFile] {
        if (!m_session.workDir.isEmpty())
            CookieJar::instance().load(cookieFile);
        QMetaObject::invokeMethod(this, &CPhodexDlg::prepared, Qt::QueuedConnection);
    });
}

void CPhodexDlg::prefillAddress() {
    if (!m_setup.readClipboard)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty() && text.size() < kClipboardMaxChars)
        m_address->setText(text);
}

void CPhodexDlg::chooseInitialSaveFolder() {
    const QString folder = InitialSaveFolder(m_setup.currentDir, m_setup.folders, QString());
    // Pictures saved below a temporary folder would vanish with it: the
    // Documents folder is made now, so that the user sees where they go.
    if (StartedFromTemp(m_setup.currentDir, m_setup.folders.temp))
        QDir().mkpath(folder);
    m_savePath->setText(folder);
}

void CPhodexDlg::loadSettings() {
    SettingsRecord record;
    if (!m_session.workDir.isEmpty())
        LoadSettings(m_session.workDir, record);
    m_session.setSettings(record);
    m_address->setHistory(RecentEntries(record, RecentList::Addresses));
    m_savePath->setHistory(RecentEntries(record, RecentList::SavePaths));
    const QString recent = record.recentSavePaths[0];
    if (!recent.isEmpty())
        m_savePath->setText(recent);
}

void CPhodexDlg::prepared() {
    if (m_preparation.joinable())
        m_preparation.join();
    if (m_closing)
        return;
    {
        const QSignalBlocker block(m_category);
        m_category->clear();
        m_category->addItems(categoryEntries());
    }
    m_selector.selectCategory(Category::Qq);
    addressEdited(m_address->text());
    m_session.ready = true;
    if (m_splash)
        m_splash->finish();
    show();
    applyJobLook();
    emit ready();
}

void CPhodexDlg::closeEvent(QCloseEvent* event) {
    // The window goes at once; the jobs' stop flags end their fetches and
    // waits, so the joins below are short.
    hide();
    stopWorkers();
    if (m_splash)
        m_splash->close();
    QMainWindow::closeEvent(event);
}

// Stops every job and worker and waits for them. Questions a worker is
// waiting on are answered No first, so that no worker waits for the window.
void CPhodexDlg::stopWorkers() {
    if (m_closing)
        return;
    m_closing = true;
    m_addTimer.stop();
    RequestListStop(m_session);
    if (m_session.downState.load() != kDownIdle)
        RequestDownloadStop(m_session);
    m_prompt.shutdown();
    m_loader->stop();
    if (m_preparation.joinable())
        m_preparation.join();
    m_listJob->wait();
    m_downloadJob->wait();
    m_pictureLists->wait();
}

} // namespace phodex
