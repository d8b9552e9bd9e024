// SPDX-License-Identifier: MIT
#pragma once

#include "ui/gridsearch.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace phodex {

class AlbumGrid;
class DialogPrompt;

// The search box over the album grid, a borderless pop-up dragged by its
// background. In find mode it is modeless and finds rows (next, previous,
// case and whole-word options, whole-row selection while open); in filter mode
// it asks for one keyword and ends with OK.
class CDlgFind final : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Find, Filter };

    CDlgFind(Mode mode, DialogPrompt& prompt, QWidget* parent);

    // Find mode: the grid to search; switches its whole-row selection on.
    void attachGrid(AlbumGrid* grid);
    // The keyword field's text without white space at either end.
    QString keyword() const;

    void findNext();
    void findPrevious();
    // "×": in find mode hides the box and ends the whole-row selection.
    void closeBox();

    QLineEdit* keywordEdit() const { return m_keyword; }
    QCheckBox* caseBox() const { return m_case; }
    QCheckBox* wholeWordBox() const { return m_wholeWord; }
    QPushButton* defaultButton() const { return m_default; }
    QPushButton* previousButton() const { return m_previous; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    void find(SearchDirection direction);

    Mode m_mode;
    DialogPrompt& m_prompt;
    QPointer<AlbumGrid> m_grid;
    QLineEdit* m_keyword;
    QCheckBox* m_case;
    QCheckBox* m_wholeWord;
    QPushButton* m_previous;
    QPushButton* m_default;
    QPoint m_dragOffset;
};

} // namespace phodex
