// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/browserbridge.h"
#include "core/seams/keystate.h"
#include "core/seams/shell.h"
#include "core/session.h"
#include "core/siteselector.h"
#include "settings/language.h"
#include "settings/workfolder.h"
#include "ui/albumgridmodel.h"
#include "ui/dialogprompt.h"
#include "ui/dlgfind.h"
#include "ui/savefolder.h"
#include "ui/splashscreen.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <thread>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace phodex {

class AlbumGrid;
class BrowserEnvironment;
class DownloadJob;
class GuiJobObserver;
class HistoryCombo;
class ListJob;
class LoginLauncher;
class PictureListJob;
class SiteTable;
class ThumbnailLoader;
struct JobEnv;

// What the window is built on. The seams left empty get their desktop
// implementations; tests hand in their own.
struct WindowSetup {
    Session* session = nullptr;
    const SiteTable* sites = nullptr;
    DialogPrompt* prompt = nullptr;
    Shell* shell = nullptr;
    KeyState* keys = nullptr;
    BrowserBridge* browser = nullptr;
    // The profile of the login windows; without a usable one the login items
    // cannot be chosen.
    BrowserEnvironment* browserEnv = nullptr;
    WorkLocations locations;
    QString currentDir;        // the folder the program was started from
    StandardFolders folders;   // Pictures, Documents, temp
    bool readClipboard = true; // pre-fill the address box from the clipboard
    bool splash = true;        // show the start-up notice
};

// The main window: address and category, the album grid, the save folder,
// the two job buttons, the status lines and the menu bar. The jobs run on
// their own threads and reach the window only through queued signals.
class CPhodexDlg final : public QMainWindow {
    Q_OBJECT
public:
    explicit CPhodexDlg(const WindowSetup& setup);
    ~CPhodexDlg() override;

    // Start-up: clipboard, save folder, settings and histories, the notice and
    // the preparation, after which the window shows itself and is ready.
    void start();
    bool isReady() const;

    // A control by its number (commandids.h), and a menu command.
    QWidget* control(int id) const;
    QAction* action(int id) const;
    AlbumGrid* grid() const { return m_grid; }
    CDlgFind* findWindow() const { return m_findWindow; }
    Session& session() const { return m_session; }
    Category listType() const;
    bool thumbnailMode() const { return m_thumbnailMode; }
    int thumbJobState() const { return m_thumbJobState; }
    bool modelessLogin() const { return m_modelessLogin; }
    // The login windows of the login menu; nullptr without a browser.
    LoginLauncher* logins() const { return m_logins; }

    // The album indices the download job takes, in grid order.
    std::vector<int> tickedAlbums() const;

    // The handlers of the buttons, links and commands (also for tests).
    void pressGetList();
    void pressDownload();
    void chooseSaveFolder();
    void useDroppedPath(const QString& path);
    void openSaveFolder();
    void setThumbnailMode(bool on);
    void openFind();
    void openFilter();
    void exportCsv();
    void openDownloadSettings();
    void openNameSettings();
    void toggleOption(int commandId);
    void importList();
    void exportPictureList(int commandId);
    // A login item of the login menu: its window on its first page.
    void openLogin(int commandId);
    void closeEvent(QCloseEvent* event) override;

signals:
    // Start-up has finished: the window shows and takes commands.
    void ready();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction (phodexdlg.cpp)
    QWidget* buildControls();
    QWidget* buildAddressRow();
    QWidget* buildSaveRow();
    QWidget* buildAlbumGroup();
    QWidget* buildStatusRows();
    void connectObserver();

    // Menu bar (phodexdlg_menu.cpp)
    void buildMenus();
    QAction* addCommand(QMenu* menu, int id, const QString& caption);
    void buildLoginMenu();
    void buildSettingsMenu();
    void buildHelpMenus();
    void buildLanguageMenu(QMenu* menu);
    void chooseLanguage(Language language);
    void refreshOptionItems();
    void showAbout();

    // Start-up and close (phodexdlg_startup.cpp)
    void prefillAddress();
    void chooseInitialSaveFolder();
    void loadSettings();
    void prepared();
    void stopWorkers();

    // Category and sub-type (phodexdlg_site.cpp)
    void addressEdited(const QString& text);
    void categoryPicked(int index);
    void subTypePicked(int index);
    void showSelector();
    QStringList categoryEntries() const;

    // Jobs (phodexdlg_jobs.cpp)
    JobEnv env();
    void pressDownloadFromJob();
    void jobStateChanged(bool listJob, int state);
    void applyJobLook();
    void showProgress(int done, int total);
    void addressRecorded(const QString& text);

    // Grid (phodexdlg_grid.cpp)
    void resetGrid();
    void refillGrid();
    void albumsCleared();
    void albumAdded(int index);
    void flushAddedAlbums();
    void requestCover(const AlbumInfo& album);
    void coverLoaded(int batch, int albumIndex, const QImage& cover);
    void coversIdle(int batch);
    void finishRefill();
    void selectAllToggled(bool checked);
    void setLinksEnabled(bool find, bool filter, bool exportLink);

    // Save folder (phodexdlg_folders.cpp)
    void useSaveFolder(const QString& folder);
    void saveSettings();

    Session& m_session;
    const SiteTable& m_sites;
    std::unique_ptr<DialogPrompt> m_ownPrompt;
    std::unique_ptr<Shell> m_ownShell;
    std::unique_ptr<KeyState> m_ownKeys;
    NullBrowserBridge m_noBrowser;
    DialogPrompt& m_prompt;
    Shell& m_shell;
    KeyState& m_keys;
    BrowserBridge& m_browser;
    WindowSetup m_setup;
    GuiJobObserver* m_observer;
    std::unique_ptr<ListJob> m_listJob;
    std::unique_ptr<DownloadJob> m_downloadJob;
    std::unique_ptr<PictureListJob> m_pictureLists;
    std::unique_ptr<ThumbnailLoader> m_loader;
    std::thread m_preparation;

    SiteSelector m_selector;
    // A category the site table adds, when one is selected.
    Category m_extraCategory = Category::None;
    bool m_modelessLogin = true;
    bool m_thumbnailMode = false;
    int m_perRow = 6;
    QSize m_coverSize{113, 120};
    int m_thumbJobState = 0;
    int m_batch = 0; // tells the covers of one listing or refill from older ones
    QString m_filterKeyword;
    std::vector<int> m_addedAlbums;
    QTimer m_addTimer;
    bool m_closing = false;
    bool m_listRunning = false; // as the job's state signals last told
    bool m_downRunning = false;

    QHash<int, QWidget*> m_controls;
    QHash<int, QAction*> m_actions;
    QComboBox* m_category = nullptr;
    QComboBox* m_subType = nullptr;
    HistoryCombo* m_address = nullptr;
    QPushButton* m_getList = nullptr;
    QPushButton* m_download = nullptr;
    HistoryCombo* m_savePath = nullptr;
    QPushButton* m_setFolder = nullptr;
    QPushButton* m_openFolder = nullptr;
    QGroupBox* m_albumGroup = nullptr;
    AlbumGrid* m_grid = nullptr;
    QCheckBox* m_selectAll = nullptr;
    QCheckBox* m_thumbBox = nullptr;
    QLabel* m_findLink = nullptr;
    QLabel* m_filterLink = nullptr;
    QLabel* m_exportLink = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_detail = nullptr;
    QProgressBar* m_progress = nullptr;
    QMenu* m_settingsMenu = nullptr;
    LoginLauncher* m_logins = nullptr;
    QPointer<CDlgFind> m_findWindow;
    QPointer<CSplashScreenEx> m_splash;
};

} // namespace phodex
