// SPDX-License-Identifier: MIT
// The two job buttons and the window's look while the jobs run.
#include "ui/phodexdlg.h"

#include "core/jobcontext.h"
#include "jobs/downloadjob.h"
#include "jobs/listjob.h"
#include "ui/commandids.h"
#include "ui/guiobserver.h"
#include "ui/historycombo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace phodex {

JobEnv CPhodexDlg::env() {
    return JobEnv{m_session, m_sites, *m_observer, m_prompt, m_browser, m_keys, m_shell};
}

void CPhodexDlg::pressGetList() {
    // Before start-up has finished, and while covers are being made for a
    // mode switch over the album store, a new listing must not start.
    if (!isReady() || m_closing || m_thumbJobState != 0)
        return;
    ListJobRequest request;
    request.address = m_address->text().trimmed();
    request.listType = listType();
    request.subTypeBox =
        m_selector.subTypeBoxVisible() ? m_selector.subTypeSelection() : kNoSubType;
    m_listJob->pressGetList(request);
}

void CPhodexDlg::pressDownload() {
    if (m_closing)
        return;
    DownloadJobRequest request;
    request.savePath = m_savePath->text();
    request.albums = tickedAlbums();
    m_downloadJob->pressDownload(request);
}

// The list job asks for a download from its own thread; the grid and the
// save-path box are read on the GUI thread, after the ticks it asked for.
void CPhodexDlg::pressDownloadFromJob() {
    QMetaObject::invokeMethod(this, &CPhodexDlg::pressDownload, Qt::QueuedConnection);
}

void CPhodexDlg::jobStateChanged(bool listJob, int state) {
    if (listJob) {
        m_listRunning = state != kListIdle;
        if (state == kListRunning)
            m_selectAll->setChecked(false);
        if (state == kListIdle)
            flushAddedAlbums();
    } else {
        m_downRunning = state != kDownIdle;
        if (!m_downRunning)
            m_progress->hide();
    }
    applyJobLook();
}

// Enabled states and captions from the two jobs' states, so that the order
// in which their signals arrive does not matter.
void CPhodexDlg::applyJobLook() {
    const bool list = m_listRunning;
    const bool down = m_downRunning;
    const bool idle = !list && !down;
    m_category->setEnabled(idle);
    m_subType->setEnabled(idle);
    m_address->setEnabled(idle);
    m_getList->setText(list ? tr("终止获取") : tr("获取相册"));
    m_getList->setEnabled(!down && m_thumbJobState == 0);
    m_download->setText(down ? tr("终止下载") : tr("下载"));
    m_download->setEnabled(down || (!list && !m_session.albums.isEmpty()));
    m_savePath->setEnabled(!down);
    m_setFolder->setEnabled(!down);
    m_thumbBox->setEnabled(!list);
    setLinksEnabled(!list && !m_thumbnailMode, !list && !m_thumbnailMode, !list);
    m_actions.value(Command::ImportList)->setEnabled(idle);
    const bool albums = idle && !m_session.albums.isEmpty();
    m_actions.value(Command::ExportList)->setEnabled(albums);
    m_actions.value(Command::ExportThunder)->setEnabled(albums);
}

void CPhodexDlg::setLinksEnabled(bool find, bool filter, bool exportLink) {
    m_findLink->setEnabled(find);
    m_filterLink->setEnabled(filter);
    m_exportLink->setEnabled(exportLink);
}

void CPhodexDlg::showProgress(int done, int total) {
    if (!m_downRunning || total <= 0) {
        m_progress->hide();
        return;
    }
    m_progress->setRange(0, total);
    m_progress->setValue(std::min(done, total));
    m_progress->show();
}

void CPhodexDlg::addressRecorded(const QString& text) {
    m_address->appendHistory(text);
}

} // namespace phodex
