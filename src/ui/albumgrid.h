// SPDX-License-Identifier: MIT
#pragma once

#include "ui/albumgridmodel.h"

#include <QSize>
#include <QTableView>

#include <vector>

namespace phodex {

class GridDelegate;

// The album grid: a table over AlbumGridModel whose selection is the user's
// choice of albums. A cell's tick shows whether it is selected, and a click on
// a tick toggles that album alone, as a Ctrl-click does.
class AlbumGrid final : public QTableView {
    Q_OBJECT
public:
    static constexpr int kCellMargin = 8;

    explicit AlbumGrid(QWidget* parent = nullptr);

    AlbumGridModel& albums() { return *m_model; }
    const AlbumGridModel& albums() const { return *m_model; }

    // Empties the grid and lays it out for the mode: the list's six columns
    // with their widths, or perRow columns of covers.
    void resetLayout(AlbumGridModel::Mode mode, int perRow, QSize coverSize);

    // While on, a selection in list mode covers whole rows (the search box sets it).
    void setWholeRow(bool on);
    bool wholeRow() const { return m_wholeRow; }

    void selectAllAlbums();
    // Clears the selection and selects row (the whole row in list mode),
    // scrolling it to the top of the view.
    void selectOnlyRow(int row);
    // The smallest selected row, or the row count when nothing is selected.
    int firstSelectedRow() const;
    std::vector<int> tickedAlbums() const { return m_model->tickedAlbums(); }

signals:
    void ticksChanged(int ticked);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void syncTicks();
    void applySelectionBehavior();

    AlbumGridModel* m_model;
    GridDelegate* m_delegate;
    bool m_wholeRow = false;
};

} // namespace phodex
