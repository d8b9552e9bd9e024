// SPDX-License-Identifier: MIT
// The album grid: rows as the list job adds them, refills for a mode switch
// or a filter, covers, selection, search, filter and export.
#include "ui/phodexdlg.h"

#include "core/albumrow.h"
#include "ui/albumgrid.h"
#include "ui/csvexport.h"
#include "ui/dialogprompt.h"
#include "ui/dlgfind.h"
#include "ui/thumbnailloader.h"

#include <QCheckBox>

namespace phodex {

namespace {

QStringList ListCells(const AlbumInfo& album, int row) {
    const AlbumRowTexts t = AlbumRowTextsFor(album, row);
    return {t.number, t.name, t.count, t.remark, QString(), QString()};
}

} // namespace

void CPhodexDlg::resetGrid() {
    m_selectAll->setChecked(false);
    m_grid->resetLayout(m_thumbnailMode ? AlbumGridModel::Mode::Thumbnails
                                        : AlbumGridModel::Mode::List,
                        m_perRow, m_coverSize);
}

// A new listing: its albums replace the old ones, covers included.
void CPhodexDlg::albumsCleared() {
    m_addedAlbums.clear();
    m_addTimer.stop();
    m_loader->cancel();
    ++m_batch;
    m_grid->albums().clearThumbnails();
    resetGrid();
}

// Rows are added in batches: one insertion per album would make a listing of
// thousands of albums crawl.
void CPhodexDlg::albumAdded(int index) {
    m_addedAlbums.push_back(index);
    if (!m_addTimer.isActive())
        m_addTimer.start();
}

void CPhodexDlg::flushAddedAlbums() {
    m_addTimer.stop();
    std::vector<AlbumInfo> albums;
    albums.reserve(m_addedAlbums.size());
    const int count = m_session.albums.count();
    for (int index : m_addedAlbums) {
        if (index >= 0 && index < count)
            albums.push_back(m_session.albums.At(index));
    }
    m_addedAlbums.clear();
    m_grid->albums().appendAlbums(albums);
    if (m_thumbnailMode) {
        for (const AlbumInfo& album : albums)
            requestCover(album);
    }
}

void CPhodexDlg::requestCover(const AlbumInfo& album) {
    if (album.thumbIndex < 0)
        m_loader->request(m_batch, album.listIndex, album.cover);
}

void CPhodexDlg::coverLoaded(int batch, int albumIndex, const QImage& cover) {
    if (batch != m_batch || cover.isNull())
        return;
    AlbumGridModel& model = m_grid->albums();
    const int thumb = model.addThumbnail(cover);
    m_session.albums.setThumbIndex(albumIndex, thumb);
    model.showThumbnail(albumIndex, thumb);
}

void CPhodexDlg::coversIdle(int batch) {
    if (batch == m_batch && m_thumbJobState != 0)
        finishRefill();
}

// Shows every album again (in list mode only those containing the filter
// keyword, which applies to this one refill); in thumbnail mode the covers
// not made yet are fetched in the background.
void CPhodexDlg::refillGrid() {
    ++m_batch;
    m_loader->cancel();
    std::vector<AlbumInfo> shown;
    for (AlbumInfo& album : m_session.albums.snapshot()) {
        if (m_thumbnailMode || m_filterKeyword.isEmpty() || album.name.contains(m_filterKeyword))
            shown.push_back(std::move(album));
    }
    m_filterKeyword.clear();
    m_grid->albums().appendAlbums(shown);
    bool fetching = false;
    if (m_thumbnailMode) {
        for (const AlbumInfo& album : shown) {
            if (album.thumbIndex < 0) {
                m_loader->request(m_batch, album.listIndex, album.cover);
                fetching = true;
            }
        }
    }
    if (!fetching)
        finishRefill();
}

void CPhodexDlg::finishRefill() {
    m_thumbJobState = 0;
    applyJobLook();
}

void CPhodexDlg::setThumbnailMode(bool on) {
    if (m_thumbJobState != 0) {
        if (m_prompt.askYesNo(tr("模式转换未完成,是否中断?"), tr("提示"))) {
            m_thumbJobState = 2;
            m_loader->cancel();
            if (!m_loader->busy())
                finishRefill();
        }
        m_thumbBox->setChecked(m_thumbnailMode);
        return;
    }
    if (on && m_findWindow)
        m_findWindow->hide();
    m_thumbBox->setChecked(on);
    m_thumbnailMode = on;
    m_thumbJobState = 1;
    applyJobLook();
    resetGrid();
    refillGrid();
}

void CPhodexDlg::selectAllToggled(bool checked) {
    if (checked)
        m_grid->selectAllAlbums();
    else
        m_grid->clearSelection();
}

void CPhodexDlg::openFind() {
    if (!m_findWindow)
        m_findWindow = new CDlgFind(CDlgFind::Mode::Find, m_prompt, this);
    m_findWindow->attachGrid(m_grid);
    m_findWindow->adjustSize();
    m_findWindow->move(geometry().center() - m_findWindow->rect().center());
    m_findWindow->show();
    m_findWindow->raise();
    m_findWindow->activateWindow();
}

void CPhodexDlg::openFilter() {
    if (m_findWindow)
        m_findWindow->hide();
    auto* box = new CDlgFind(CDlgFind::Mode::Filter, m_prompt, this);
    box->setObjectName(QStringLiteral("filterBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::accepted, this, [this, box] {
        m_filterKeyword = box->keyword();
        resetGrid();
        refillGrid();
    });
    box->adjustSize();
    box->move(geometry().center() - box->rect().center());
    box->open();
}

void CPhodexDlg::exportCsv() {
    m_prompt.information(tr("此导出为导出表格内容，如需下载图片，请点击右上角的 下载 按钮。"));
    const bool withAddresses = m_prompt.askYesNo(tr("是否导出相册网址?"), tr("选择"));
    const QString path =
        m_prompt.chooseSaveFile(tr("导出后，自行调整列宽(*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const AlbumGridModel& model = m_grid->albums();
    std::vector<CsvRow> rows;
    rows.reserve(size_t(model.shownCount()));
    for (int entry = 0; entry < model.shownCount(); ++entry) {
        CsvRow row;
        row.address = model.addressOfEntry(entry);
        // A sheet of covers is written as the list shows the same albums.
        row.cells = m_thumbnailMode
                        ? ListCells(m_session.albums.At(model.albumOfEntry(entry)), entry + 1)
                        : model.rowTexts(entry);
        rows.push_back(std::move(row));
    }
    // A file that cannot be written is given up without a word, as before.
    WriteCsvFile(path, rows, withAddresses);
}

} // namespace phodex
