// SPDX-License-Identifier: MIT
#include "ui/albumgrid.h"

#include "ui/griddelegate.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

namespace phodex {

namespace {

// Column widths of the list mode; the last two columns are kept but never shown.
constexpr int kListWidths[AlbumGridModel::kListColumns] = {50, 575, 50, 100, 0, 0};

} // namespace

AlbumGrid::AlbumGrid(QWidget* parent)
    : QTableView(parent), m_model(new AlbumGridModel(this)), m_delegate(new GridDelegate(this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &AlbumGrid::syncTicks);
    connect(m_model, &QAbstractItemModel::modelReset, this, &AlbumGrid::syncTicks);
    resetLayout(AlbumGridModel::Mode::List, 6, QSize(113, 120));
}

void AlbumGrid::resetLayout(AlbumGridModel::Mode mode, int perRow, QSize coverSize) {
    const bool list = mode == AlbumGridModel::Mode::List;
    m_model->reset(mode, perRow);
    m_delegate->setThumbnails(!list, coverSize);
    horizontalHeader()->setVisible(list);
    // The remark column takes what room is left, so the list has no ragged edge.
    horizontalHeader()->setStretchLastSection(list);
    setShowGrid(list);
    setWordWrap(!list);
    setVerticalScrollMode(list ? ScrollPerItem : ScrollPerPixel);
    const int tick = style()->pixelMetric(QStyle::PM_IndicatorWidth) + 2 * kCellMargin;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        setColumnHidden(column, list && kListWidths[column] == 0);
        if (!list)
            setColumnWidth(column, coverSize.width() + 2 * kCellMargin);
        else if (kListWidths[column] > 0)
            setColumnWidth(column, kListWidths[column] + (column == 0 ? tick : 0));
    }
    const int textHeight = fontMetrics().height();
    verticalHeader()->setDefaultSectionSize(
        list ? textHeight + kCellMargin : coverSize.height() + 10 + 2 * textHeight + kCellMargin);
    applySelectionBehavior();
}

void AlbumGrid::setWholeRow(bool on) {
    m_wholeRow = on;
    applySelectionBehavior();
}

void AlbumGrid::applySelectionBehavior() {
    const bool rows = m_wholeRow && m_model->mode() == AlbumGridModel::Mode::List;
    setSelectionBehavior(rows ? SelectRows : SelectItems);
}

void AlbumGrid::selectAllAlbums() {
    if (m_model->rowCount() > 0)
        selectAll();
}

void AlbumGrid::selectOnlyRow(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex first = m_model->index(row, 0);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (m_model->mode() == AlbumGridModel::Mode::List)
        flags |= QItemSelectionModel::Rows;
    selectionModel()->select(first, flags);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    scrollTo(first, PositionAtTop);
}

int AlbumGrid::firstSelectedRow() const {
    int smallest = m_model->rowCount();
    for (const QItemSelectionRange& range : selectionModel()->selection())
        smallest = std::min(smallest, range.top());
    return smallest;
}

void AlbumGrid::syncTicks() {
    std::vector<bool> ticked(size_t(m_model->shownCount()), false);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            for (int column = range.left(); column <= range.right(); ++column) {
                const int entry = m_model->entryAt(m_model->index(row, column));
                if (entry >= 0)
                    ticked[size_t(entry)] = true;
            }
        }
    }
    m_model->setTicks(ticked);
    emit ticksChanged(int(std::count(ticked.begin(), ticked.end(), true)));
}

void AlbumGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualRect(index);
        if (m_delegate->tickRect(option, index).contains(event->position().toPoint())) {
            // A row with a cell selected counts as ticked: untick it whole.
            QItemSelectionModel::SelectionFlags flags = m_model->isTicked(m_model->entryAt(index))
                                                            ? QItemSelectionModel::Deselect
                                                            : QItemSelectionModel::Select;
            if (m_model->mode() == AlbumGridModel::Mode::List)
                flags |= QItemSelectionModel::Rows;
            selectionModel()->select(index, flags);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            event->accept();
            return;
        }
    }
    QTableView::mousePressEvent(event);
}

} // namespace phodex
