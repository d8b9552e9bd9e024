// SPDX-License-Identifier: MIT
#pragma once

#include "core/album.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QStringList>

#include <vector>

namespace phodex {

// What the album grid shows: in list mode one row per album with six columns,
// in thumbnail mode `perRow` albums per row, each cell a cover above its
// caption. Albums are shown in the order they were added; an entry's tick
// mirrors the grid's selection, which the grid keeps in step.
class AlbumGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Mode { List, Thumbnails };
    static constexpr int kListColumns = 6;
    // The album index a cell stands for (the cell's data value).
    static constexpr int AlbumIndexRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // Empties the grid and lays it out for mode; the covers made so far stay.
    void reset(Mode mode, int perRow);
    // Forgets the covers as well (a new listing).
    void clearThumbnails();
    Mode mode() const { return m_mode; }
    int perRow() const { return m_perRow; }

    void appendAlbums(const std::vector<AlbumInfo>& albums);
    int shownCount() const { return int(m_entries.size()); }
    // The album an entry shows, and the entry of a cell (-1 for none).
    int albumOfEntry(int entry) const;
    int entryAt(const QModelIndex& index) const;
    QModelIndex indexOfEntry(int entry) const;

    // The cover of an album, made once per listing; -1 when none yet.
    int addThumbnail(const QImage& image);
    void showThumbnail(int albumIndex, int thumbIndex);
    int thumbnailOf(int entry) const;

    // Every cell text of a row (list mode: the six columns; thumbnails: the captions).
    QStringList rowTexts(int row) const;
    QString addressOfEntry(int entry) const;

    void setTicks(const std::vector<bool>& ticked);
    bool isTicked(int entry) const;
    // The albums ticked, in grid order.
    std::vector<int> tickedAlbums() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Entry {
        int album = -1;
        QStringList cells; // list mode: the six column texts; thumbnails: the caption
        QString address;
        int thumb = -1;
        bool ticked = false;
    };

    QString cellText(const Entry& entry, int column) const;

    Mode m_mode = Mode::List;
    int m_perRow = 6;
    std::vector<Entry> m_entries;
    std::vector<QImage> m_thumbnails;
};

} // namespace phodex
