// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QStyledItemDelegate>

namespace phodex {

// Draws the album grid's cells: plain text cells with a tick in list mode,
// the cover above its caption in thumbnail mode.
class GridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setThumbnails(bool on, QSize coverSize);
    // Where the tick of a cell is drawn, for a click that toggles it.
    QRect tickRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool m_thumbnails = false;
    QSize m_coverSize;
};

} // namespace phodex
