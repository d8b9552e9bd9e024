// SPDX-License-Identifier: MIT
#include "ui/phodexdlg.h"

#include "browser/browserenv.h"
#include "browser/loginlauncher.h"
#include "core/catalogue.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"
#include "jobs/picturelistjob.h"
#include "ui/albumgrid.h"
#include "ui/commandids.h"
#include "ui/desktopshell.h"
#include "ui/dlgfind.h"
#include "ui/guikeystate.h"
#include "ui/guiobserver.h"
#include "ui/historycombo.h"
#include "ui/messageboxprompt.h"
#include "ui/thumbnailloader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace phodex {

namespace {

QLabel* Link(const QString& caption, QWidget* parent) {
    auto* link = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption), parent);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return link;
}

template <typename T> T* Own(std::unique_ptr<T>& owner, T* given, T* made) {
    if (given)
        return given;
    owner.reset(made);
    return made;
}

} // namespace

CPhodexDlg::CPhodexDlg(const WindowSetup& setup)
    : m_session(*setup.session), m_sites(*setup.sites),
      m_prompt(*Own<DialogPrompt>(m_ownPrompt, setup.prompt,
                                  setup.prompt ? nullptr : new MessageBoxPrompt(this))),
      m_shell(*Own<Shell>(m_ownShell, setup.shell, setup.shell ? nullptr : new DesktopShell)),
      m_keys(*Own<KeyState>(m_ownKeys, setup.keys, setup.keys ? nullptr : new GuiKeyState)),
      m_browser(setup.browser ? *setup.browser : m_noBrowser), m_setup(setup),
      m_observer(new GuiJobObserver) {
    m_observer->setParent(this);
    m_session.workDir = setup.locations.workDir;
    setWindowTitle(tr("Varnel多功能Albrio"));
    setAcceptDrops(true);
    setCentralWidget(buildControls());
    if (setup.browserEnv && setup.browserEnv->usable())
        m_logins = new LoginLauncher(*setup.browserEnv, &m_session, this);
    buildMenus();
    m_listJob = std::make_unique<ListJob>(env(), [this] { pressDownloadFromJob(); });
    m_downloadJob = std::make_unique<DownloadJob>(env());
    m_pictureLists = std::make_unique<PictureListJob>(env());
    m_loader = std::make_unique<ThumbnailLoader>(setup.locations.thumbnailCache, m_coverSize);
    connect(m_loader.get(), &ThumbnailLoader::loaded, this, &CPhodexDlg::coverLoaded,
            Qt::QueuedConnection);
    connect(m_loader.get(), &ThumbnailLoader::idle, this, &CPhodexDlg::coversIdle,
            Qt::QueuedConnection);
    m_addTimer.setSingleShot(true);
    m_addTimer.setInterval(30);
    connect(&m_addTimer, &QTimer::timeout, this, &CPhodexDlg::flushAddedAlbums);
    connectObserver();
    resize(960, 680);
}

CPhodexDlg::~CPhodexDlg() {
    stopWorkers();
}

QWidget* CPhodexDlg::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildAddressRow());
    layout->addWidget(buildSaveRow());
    layout->addWidget(buildAlbumGroup(), 1);
    layout->addWidget(buildStatusRows());
    return central;
}

QWidget* CPhodexDlg::buildAddressRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_category = new QComboBox(row);
    m_category->setMinimumContentsLength(14);
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_subType = new QComboBox(row);
    m_address = new HistoryCombo(row);
    m_address->lineEdit()->setPlaceholderText(tr("相册网址或QQ号"));
    m_getList = new QPushButton(tr("获取相册"), row);
    m_download = new QPushButton(tr("下载"), row);
    m_download->setEnabled(false);
    layout->addWidget(m_category);
    layout->addWidget(m_subType);
    layout->addWidget(m_address, 1);
    layout->addWidget(m_getList);
    layout->addWidget(m_download);
    m_controls.insert(Control::Category, m_category);
    m_controls.insert(Control::SubType, m_subType);
    m_controls.insert(Control::Address, m_address);
    m_controls.insert(Control::GetList, m_getList);
    m_controls.insert(Control::Download, m_download);
    connect(m_address, &QComboBox::editTextChanged, this, &CPhodexDlg::addressEdited);
    connect(m_category, &QComboBox::currentIndexChanged, this, &CPhodexDlg::categoryPicked);
    connect(m_subType, &QComboBox::currentIndexChanged, this, &CPhodexDlg::subTypePicked);
    connect(m_getList, &QPushButton::clicked, this, &CPhodexDlg::pressGetList);
    connect(m_download, &QPushButton::clicked, this, &CPhodexDlg::pressDownload);
    return row;
}

QWidget* CPhodexDlg::buildSaveRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_savePath = new HistoryCombo(row);
    m_setFolder = new QPushButton(tr("设置"), row);
    m_openFolder = new QPushButton(tr("打开"), row);
    layout->addWidget(new QLabel(tr("保存路径:"), row));
    layout->addWidget(m_savePath, 1);
    layout->addWidget(m_setFolder);
    layout->addWidget(m_openFolder);
    m_controls.insert(Control::SavePath, m_savePath);
    m_controls.insert(Control::SetFolder, m_setFolder);
    m_controls.insert(Control::OpenFolder, m_openFolder);
    connect(m_setFolder, &QPushButton::clicked, this, &CPhodexDlg::chooseSaveFolder);
    connect(m_openFolder, &QPushButton::clicked, this, &CPhodexDlg::openSaveFolder);
    return row;
}

QWidget* CPhodexDlg::buildAlbumGroup() {
    m_albumGroup = new QGroupBox(tr("相册列表"), this);
    auto* layout = new QVBoxLayout(m_albumGroup);
    m_grid = new AlbumGrid(m_albumGroup);
    m_selectAll = new QCheckBox(tr("全选"), m_albumGroup);
    m_thumbBox = new QCheckBox(tr("预览图"), m_albumGroup);
    m_findLink = Link(tr("查找"), m_albumGroup);
    m_filterLink = Link(tr("筛选"), m_albumGroup);
    m_exportLink = Link(tr("导出"), m_albumGroup);
    auto* tools = new QHBoxLayout;
    tools->addWidget(m_selectAll);
    tools->addWidget(m_thumbBox);
    tools->addStretch();
    tools->addWidget(m_findLink);
    tools->addWidget(m_filterLink);
    tools->addWidget(m_exportLink);
    layout->addWidget(m_grid, 1);
    layout->addLayout(tools);
    m_controls.insert(Control::AlbumGroup, m_albumGroup);
    m_controls.insert(Control::Grid, m_grid);
    m_controls.insert(Control::SelectAll, m_selectAll);
    m_controls.insert(Control::ThumbnailMode, m_thumbBox);
    m_controls.insert(Control::FindLink, m_findLink);
    m_controls.insert(Control::FilterLink, m_filterLink);
    m_controls.insert(Control::ExportLink, m_exportLink);
    connect(m_selectAll, &QCheckBox::clicked, this, &CPhodexDlg::selectAllToggled);
    connect(m_thumbBox, &QCheckBox::clicked, this, &CPhodexDlg::setThumbnailMode);
    connect(m_findLink, &QLabel::linkActivated, this, &CPhodexDlg::openFind);
    connect(m_filterLink, &QLabel::linkActivated, this, &CPhodexDlg::openFilter);
    connect(m_exportLink, &QLabel::linkActivated, this, &CPhodexDlg::exportCsv);
    return m_albumGroup;
}

QWidget* CPhodexDlg::buildStatusRows() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(box);
    m_detail = new QLabel(box);
    m_progress = new QProgressBar(box);
    m_progress->setMaximumWidth(260);
    m_progress->setFormat(QStringLiteral("%v/%m"));
    m_progress->hide();
    auto* detailRow = new QHBoxLayout;
    detailRow->addWidget(m_detail, 1);
    detailRow->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addLayout(detailRow);
    m_controls.insert(Control::StatusLine, m_status);
    m_controls.insert(Control::DetailLine, m_detail);
    return box;
}

void CPhodexDlg::connectObserver() {
    const auto queued = Qt::QueuedConnection;
    GuiJobObserver* o = m_observer;
    connect(o, &GuiJobObserver::cleared, this, &CPhodexDlg::albumsCleared, queued);
    connect(o, &GuiJobObserver::added, this, &CPhodexDlg::albumAdded, queued);
    connect(o, &GuiJobObserver::refilled, this, &CPhodexDlg::refillGrid, queued);
    connect(
        o, &GuiJobObserver::selectAll, this,
        [this] {
            flushAddedAlbums();
            m_grid->selectAllAlbums();
        },
        queued);
    connect(o, &GuiJobObserver::caption, m_albumGroup, &QGroupBox::setTitle, queued);
    connect(o, &GuiJobObserver::status, m_status, &QLabel::setText, queued);
    connect(o, &GuiJobObserver::detail, m_detail, &QLabel::setText, queued);
    connect(o, &GuiJobObserver::stateChanged, this, &CPhodexDlg::jobStateChanged, queued);
    connect(o, &GuiJobObserver::progressed, this, &CPhodexDlg::showProgress, queued);
    connect(o, &GuiJobObserver::recorded, this, &CPhodexDlg::addressRecorded, queued);
}

QWidget* CPhodexDlg::control(int id) const {
    return m_controls.value(id);
}

QAction* CPhodexDlg::action(int id) const {
    return m_actions.value(id);
}

bool CPhodexDlg::isReady() const {
    return m_session.ready.load();
}

std::vector<int> CPhodexDlg::tickedAlbums() const {
    std::vector<int> albums;
    const int count = m_session.albums.count();
    for (int album : m_grid->tickedAlbums()) {
        if (album >= 0 && album < count)
            albums.push_back(album);
    }
    return albums;
}

} // namespace phodex
