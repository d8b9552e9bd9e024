// SPDX-License-Identifier: MIT
#pragma once

#include "downloadjobfixture.h"
#include "scripteddialogs.h"
#include "testwindowsetup.h"
#include "ui/albumgrid.h"
#include "ui/commandids.h"
#include "ui/phodexdlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

// The main window over the test site family of the job tests: real widgets on
// the offscreen platform, real jobs, the loopback fake site; only the prompts,
// the shell and the key state are scripted.
namespace phodex::test {

// Processes events until pred holds or timeoutMs passed.
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 20000) {
    return QTest::qWaitFor(pred, timeoutMs);
}

class WindowTest : public DownloadJobTest {
protected:
    void SetUp() override {
        DownloadJobTest::SetUp();
        // The window decides when start-up has finished.
        session.ready = false;
        ASSERT_TRUE(homeDir.isValid());
        setup.session = &session;
        setup.sites = &table;
        setup.prompt = &dialogs;
        setup.shell = &shell;
        setup.keys = &keys;
        setup.browser = &browser;
        PlaceTestWindow(setup, homeDir.path(), session.workDir);
    }

    void TearDown() override {
        window.reset();
        DownloadJobTest::TearDown();
    }

    CPhodexDlg& Window() {
        if (!window)
            window = std::make_unique<CPhodexDlg>(setup);
        return *window;
    }
    void StartWindow() {
        Window().start();
        ASSERT_TRUE(WaitFor([this] { return window->isReady(); }));
    }

    template <typename T> T* Control(int id) { return qobject_cast<T*>(Window().control(id)); }
    QComboBox* CategoryBox() { return Control<QComboBox>(Control::Category); }
    void SelectCategory(Category category) {
        CategoryBox()->setCurrentIndex(categoryIndex(category));
    }
    QComboBox* SubTypeBox() { return Control<QComboBox>(Control::SubType); }
    QComboBox* Address() { return Control<QComboBox>(Control::Address); }
    QComboBox* SavePath() { return Control<QComboBox>(Control::SavePath); }
    QAbstractButton* Button(int id) { return Control<QAbstractButton>(id); }
    QString Text(int id) { return Control<QLabel>(id)->text(); }
    QString GroupCaption() { return Control<QGroupBox>(Control::AlbumGroup)->title(); }
    AlbumGrid* Grid() { return Window().grid(); }
    AlbumGridModel& Model() { return Grid()->albums(); }

    void TypeAddress(const QString& address) { Address()->setEditText(address); }

    // Lists the owner "tester" of the photo test site through the window.
    void ListInWindow() {
        SelectCategory(kPhotoSiteListType);
        TypeAddress(TestSiteAddress("tester"));
        Button(Control::GetList)->click();
        ASSERT_TRUE(WaitFor([this] {
            // The job's state is read at once, the window's look arrives queued.
            return session.listState.load() == kListIdle &&
                   Text(Control::StatusLine).startsWith(QStringLiteral("获取相册列表完成")) &&
                   Button(Control::GetList)->text() == QStringLiteral("获取相册") &&
                   CategoryBox()->isEnabled();
        }));
    }
    void WaitForDownloadEnd() {
        ASSERT_TRUE(WaitFor([this] {
            return session.downState.load() == kDownIdle &&
                   Text(Control::StatusLine) == QStringLiteral("下载完毕") &&
                   Button(Control::Download)->text() == QStringLiteral("下载");
        }));
    }

    QTemporaryDir homeDir;
    ScriptedDialogs dialogs;
    WindowSetup setup;
    std::unique_ptr<CPhodexDlg> window;
};

} // namespace phodex::test
