// SPDX-License-Identifier: MIT
#include "ui/griddelegate.h"

#include <QApplication>
#include <QStyle>

namespace phodex {

void GridDelegate::setThumbnails(bool on, QSize coverSize) {
    m_thumbnails = on;
    m_coverSize = coverSize;
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_thumbnails)
        return;
    option->decorationPosition = QStyleOptionViewItem::Top;
    option->decorationAlignment = Qt::AlignHCenter | Qt::AlignTop;
    option->decorationSize = m_coverSize;
    option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    option->features |= QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasDecoration;
    option->textElideMode = Qt::ElideRight;
}

QRect GridDelegate::tickRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (!(opt.features & QStyleOptionViewItem::HasCheckIndicator))
        return {};
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, opt.widget);
}

} // namespace phodex
