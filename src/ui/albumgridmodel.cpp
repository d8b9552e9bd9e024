// SPDX-License-Identifier: MIT
#include "ui/albumgridmodel.h"

#include "core/albumrow.h"

#include <algorithm>

namespace phodex {

namespace {

const char* const kHeaders[AlbumGridModel::kListColumns] = {
    QT_TRANSLATE_NOOP("phodex::AlbumGridModel", "序号"),
    QT_TRANSLATE_NOOP("phodex::AlbumGridModel", "名称"),
    QT_TRANSLATE_NOOP("phodex::AlbumGridModel", "数量"),
    QT_TRANSLATE_NOOP("phodex::AlbumGridModel", "备注"),
    "",
    ""};

} // namespace

void AlbumGridModel::reset(Mode mode, int perRow) {
    beginResetModel();
    m_mode = mode;
    m_perRow = std::max(1, perRow);
    m_entries.clear();
    endResetModel();
}

void AlbumGridModel::clearThumbnails() {
    m_thumbnails.clear();
    for (Entry& entry : m_entries)
        entry.thumb = -1;
}

void AlbumGridModel::appendAlbums(const std::vector<AlbumInfo>& albums) {
    if (albums.empty())
        return;
    const int oldRows = rowCount();
    const int first = shownCount();
    std::vector<Entry> added;
    added.reserve(albums.size());
    for (const AlbumInfo& album : albums) {
        Entry entry;
        entry.album = album.listIndex;
        entry.address = album.key;
        entry.thumb = album.thumbIndex < int(m_thumbnails.size()) ? album.thumbIndex : -1;
        if (m_mode == Mode::List) {
            const AlbumRowTexts t = AlbumRowTextsFor(album, first + int(added.size()) + 1);
            entry.cells = {t.number, t.name, t.count, t.remark, QString(), QString()};
        } else {
            entry.cells = {AlbumThumbCaption(album)};
        }
        added.push_back(std::move(entry));
    }
    const int newRows = m_mode == Mode::List
                            ? first + int(added.size())
                            : (first + int(added.size()) + m_perRow - 1) / m_perRow;
    // A thumbnail row that was partly filled gains cells: repaint it.
    if (newRows > oldRows)
        beginInsertRows({}, oldRows, newRows - 1);
    m_entries.insert(m_entries.end(), std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    if (newRows > oldRows)
        endInsertRows();
    if (m_mode == Mode::Thumbnails && oldRows > 0 && first % m_perRow != 0)
        emit dataChanged(index(oldRows - 1, 0), index(oldRows - 1, m_perRow - 1));
}

int AlbumGridModel::albumOfEntry(int entry) const {
    return entry >= 0 && entry < shownCount() ? m_entries[size_t(entry)].album : -1;
}

int AlbumGridModel::entryAt(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    const int entry = m_mode == Mode::List ? index.row() : index.row() * m_perRow + index.column();
    return entry < shownCount() ? entry : -1;
}

QModelIndex AlbumGridModel::indexOfEntry(int entry) const {
    if (entry < 0 || entry >= shownCount())
        return {};
    return m_mode == Mode::List ? index(entry, 0) : index(entry / m_perRow, entry % m_perRow);
}

int AlbumGridModel::addThumbnail(const QImage& image) {
    m_thumbnails.push_back(image);
    return int(m_thumbnails.size()) - 1;
}

void AlbumGridModel::showThumbnail(int albumIndex, int thumbIndex) {
    // Entries keep the order of the albums, so the album's entry is found by halving.
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), albumIndex,
                                     [](const Entry& e, int album) { return e.album < album; });
    if (it == m_entries.end() || it->album != albumIndex)
        return;
    it->thumb = thumbIndex;
    const QModelIndex cell = indexOfEntry(int(it - m_entries.begin()));
    emit dataChanged(cell, cell, {Qt::DecorationRole});
}

int AlbumGridModel::thumbnailOf(int entry) const {
    return entry >= 0 && entry < shownCount() ? m_entries[size_t(entry)].thumb : -1;
}

QString AlbumGridModel::cellText(const Entry& entry, int column) const {
    if (m_mode == Mode::Thumbnails)
        return entry.cells.value(0);
    return entry.cells.value(column);
}

QStringList AlbumGridModel::rowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) {
        const int entry = entryAt(index(row, column));
        texts << (entry < 0 ? QString() : cellText(m_entries[size_t(entry)], column));
    }
    return texts;
}

QString AlbumGridModel::addressOfEntry(int entry) const {
    return entry >= 0 && entry < shownCount() ? m_entries[size_t(entry)].address : QString();
}

void AlbumGridModel::setTicks(const std::vector<bool>& ticked) {
    bool changed = false;
    for (size_t i = 0; i < m_entries.size() && i < ticked.size(); ++i) {
        changed = changed || m_entries[i].ticked != ticked[i];
        m_entries[i].ticked = ticked[i];
    }
    if (changed && rowCount() > 0) {
        const int lastColumn = m_mode == Mode::List ? 0 : columnCount() - 1;
        emit dataChanged(index(0, 0), index(rowCount() - 1, lastColumn), {Qt::CheckStateRole});
    }
}

bool AlbumGridModel::isTicked(int entry) const {
    return entry >= 0 && entry < shownCount() && m_entries[size_t(entry)].ticked;
}

std::vector<int> AlbumGridModel::tickedAlbums() const {
    std::vector<int> albums;
    for (const Entry& entry : m_entries) {
        if (entry.ticked)
            albums.push_back(entry.album);
    }
    return albums;
}

int AlbumGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    if (m_mode == Mode::List)
        return shownCount();
    return (shownCount() + m_perRow - 1) / m_perRow;
}

int AlbumGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_mode == Mode::List ? kListColumns : m_perRow;
}

QVariant AlbumGridModel::data(const QModelIndex& index, int role) const {
    const int entry = entryAt(index);
    if (entry < 0)
        return {};
    const Entry& e = m_entries[size_t(entry)];
    const bool tickCell = m_mode == Mode::Thumbnails || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
        // The count and the remark are the program's words, not the site's.
        if (m_mode == Mode::List && (index.column() == 2 || index.column() == 3))
            return ShownAlbumText(cellText(e, index.column()));
        return cellText(e, index.column());
    case Qt::ToolTipRole:
        return m_mode == Mode::Thumbnails || index.column() == 1
                   ? e.cells.value(1, e.cells.value(0))
                   : QVariant();
    case Qt::CheckStateRole:
        return tickCell ? QVariant(e.ticked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::DecorationRole:
        if (m_mode == Mode::Thumbnails && e.thumb >= 0 && e.thumb < int(m_thumbnails.size()))
            return m_thumbnails[size_t(e.thumb)];
        return {};
    case Qt::TextAlignmentRole:
        if (m_mode == Mode::Thumbnails)
            return int(Qt::AlignHCenter | Qt::AlignTop);
        return index.column() == 1 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case AlbumIndexRole:
        return e.album;
    default:
        return {};
    }
}

QVariant AlbumGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || m_mode != Mode::List)
        return {};
    if (section < 0 || section >= kListColumns)
        return {};
    return tr(kHeaders[section]);
}

Qt::ItemFlags AlbumGridModel::flags(const QModelIndex& index) const {
    if (entryAt(index) < 0)
        return Qt::NoItemFlags;
    // Ticks follow the selection; the grid turns a click on a tick into a selection change.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace phodex
