// SPDX-License-Identifier: MIT
// The category box, the QQ sub-type box and the address that drives them.
#include "ui/phodexdlg.h"

#include "core/catalogue.h"
#include "core/sitetable.h"
#include "ui/historycombo.h"

#include <QComboBox>

#include <set>

namespace phodex {

QStringList CPhodexDlg::categoryEntries() const {
    QStringList entries = categoryCaptions();
    // Categories the site table adds beyond the catalogue follow it in order.
    std::set<int> extra;
    for (const SiteRow& row : m_sites.rows()) {
        if (categoryIndex(row.listType) >= kCategoryCount)
            extra.insert(categoryIndex(row.listType));
    }
    for (int index : extra) {
        while (entries.size() < index)
            entries << QString();
        const SiteRow* row = m_sites.rowFor(categoryAt(index), kNoSubType);
        entries << (row ? row->site : QString::number(index));
    }
    return entries;
}

Category CPhodexDlg::listType() const {
    if (m_extraCategory != Category::None && m_selector.listType() == Category::None)
        return m_extraCategory;
    return m_selector.listType();
}

void CPhodexDlg::addressEdited(const QString& text) {
    m_selector.ClassifyAddress(text);
    if (m_selector.listType() != Category::None)
        m_extraCategory = Category::None;
    showSelector();
}

void CPhodexDlg::categoryPicked(int index) {
    const Category picked = categoryAt(index);
    if (index >= kCategoryCount) {
        // The selector knows only the catalogue; it holds "none" meanwhile.
        m_extraCategory = picked;
        m_selector.selectCategory(Category::None);
    } else {
        m_extraCategory = Category::None;
        m_selector.selectCategory(picked);
    }
    showSelector();
}

void CPhodexDlg::subTypePicked(int index) {
    m_selector.selectSubType(index);
}

// Shows the selector's state. The boxes' own change signals stay blocked, or
// the sub-type chosen from the address would be reset by a second pass.
void CPhodexDlg::showSelector() {
    const QSignalBlocker blockCategory(m_category);
    const QSignalBlocker blockSubType(m_subType);
    m_category->setCurrentIndex(categoryIndex(listType()));
    const bool qq = m_selector.subTypeBoxVisible();
    if (qq) {
        if (m_subType->count() != m_selector.subTypeEntries().size()) {
            m_subType->clear();
            m_subType->addItems(m_selector.subTypeEntries());
        }
        m_subType->setCurrentIndex(m_selector.subTypeSelection());
    }
    m_subType->setVisible(qq);
    refreshOptionItems();
}

} // namespace phodex
