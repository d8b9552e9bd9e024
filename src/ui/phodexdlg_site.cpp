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
        if (row.listType >= kCategoryCount)
            extra.insert(row.listType);
    }
    for (int listType : extra) {
        while (entries.size() < listType)
            entries << QString();
        const SiteRow* row = m_sites.rowFor(listType, kNoSubType);
        entries << (row ? row->site : QString::number(listType));
    }
    return entries;
}

int CPhodexDlg::listType() const {
    if (m_extraCategory >= 0 && m_selector.listType() == -1)
        return m_extraCategory;
    return m_selector.listType();
}

void CPhodexDlg::addressEdited(const QString& text) {
    m_selector.ClassifyAddress(text);
    if (m_selector.listType() != -1)
        m_extraCategory = -1;
    showSelector();
}

void CPhodexDlg::categoryPicked(int index) {
    if (index >= kCategoryCount) {
        // The selector knows only the catalogue; it holds "none" meanwhile.
        m_extraCategory = index;
        m_selector.selectCategory(-1);
    } else {
        m_extraCategory = -1;
        m_selector.selectCategory(index);
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
    m_category->setCurrentIndex(listType());
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
