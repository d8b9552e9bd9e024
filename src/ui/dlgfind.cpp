// SPDX-License-Identifier: MIT
#include "ui/dlgfind.h"

#include "ui/albumgrid.h"
#include "ui/dialogprompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace phodex {

CDlgFind::CDlgFind(Mode mode, DialogPrompt& prompt, QWidget* parent)
    // A tool window, not a popup: a popup would close at the first click elsewhere.
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint), m_mode(mode), m_prompt(prompt),
      m_keyword(new QLineEdit(this)), m_case(new QCheckBox(tr("区分大小写"), this)),
      m_wholeWord(new QCheckBox(tr("全字匹配"), this)),
      m_previous(new QPushButton(tr("上一个"), this)), m_default(new QPushButton(this)) {
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("×"));
    close->setAutoRaise(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("<b>相册搜索</b>"), this), 0, 0, 1, 3);
    grid->addWidget(close, 0, 3, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("关键字:"), this), 1, 0);
    grid->addWidget(m_keyword, 1, 1, 1, 3);
    grid->addWidget(m_case, 2, 0, 1, 2);
    grid->addWidget(m_wholeWord, 2, 2, 1, 2);
    grid->addWidget(m_previous, 3, 2);
    grid->addWidget(m_default, 3, 3);
    m_default->setDefault(true);
    const bool find = mode == Mode::Find;
    m_case->setVisible(find);
    m_wholeWord->setVisible(find);
    m_previous->setVisible(find);
    m_default->setText(find ? tr("下一个") : tr("筛选"));
    connect(close, &QToolButton::clicked, this, &CDlgFind::closeBox);
    connect(m_previous, &QPushButton::clicked, this, &CDlgFind::findPrevious);
    if (find)
        connect(m_default, &QPushButton::clicked, this, &CDlgFind::findNext);
    else
        connect(m_default, &QPushButton::clicked, this, &QDialog::accept);
}

void CDlgFind::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a frame the box needs an edge of its own.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CDlgFind::attachGrid(AlbumGrid* grid) {
    m_grid = grid;
    if (m_grid)
        m_grid->setWholeRow(true);
}

QString CDlgFind::keyword() const {
    return m_keyword->text().trimmed();
}

void CDlgFind::findNext() {
    find(SearchDirection::Down);
}

void CDlgFind::findPrevious() {
    find(SearchDirection::Up);
}

void CDlgFind::find(SearchDirection direction) {
    if (!m_grid)
        return;
    SearchOptions options;
    options.keyword = keyword();
    if (options.keyword.isEmpty()) {
        m_prompt.information(tr("关键字不能为空"));
        return;
    }
    options.caseSensitive = m_case->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    const AlbumGridModel& model = m_grid->albums();
    const int row = FindRow(
        model.rowCount(), [&](int r) { return model.rowTexts(r); }, options,
        m_grid->firstSelectedRow(), direction);
    // No match keeps the selection as it was.
    if (row >= 0)
        m_grid->selectOnlyRow(row);
}

void CDlgFind::closeBox() {
    if (m_mode == Mode::Filter) {
        QDialog::reject();
        return;
    }
    if (m_grid)
        m_grid->setWholeRow(false);
    hide();
}

void CDlgFind::reject() {
    closeBox();
}

void CDlgFind::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void CDlgFind::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

} // namespace phodex
