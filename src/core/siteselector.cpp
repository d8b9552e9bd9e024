// SPDX-License-Identifier: MIT
#include "core/siteselector.h"

#include "core/addressclass.h"
#include "core/catalogue.h"

namespace phodex {

SiteSelector::SiteSelector() {
    OnListTypeChanged();
}

void SiteSelector::ClassifyAddress(const QString& address) {
    if (!hasWebScheme(address)) {
        // A bare QQ or group number: keep the category and, for QQ, the sub-type.
        if (m_listType != Category::Qq) {
            OnListTypeChanged();
        }
        return;
    }
    const Category found = categoryFromMarkers(address);
    m_categorySelection = found != Category::None ? found : m_listType;
    OnListTypeChanged();
    if (m_listType != Category::Qq) {
        return;
    }
    const int qqSubType = qqSubTypeFromAddress(address);
    if (qqSubType != SubType::None) {
        m_subTypeSelection = qqSubType;
    }
}

void SiteSelector::OnListTypeChanged() {
    m_listType = m_categorySelection;
    if (m_listType != Category::Qq) {
        m_subTypeVisible = false;
        return;
    }
    m_subTypeEntries = qqSubTypeEntries();
    m_subTypeVisible = true;
    m_subTypeSelection = 0;
}

void SiteSelector::selectCategory(Category category) {
    if (category != Category::None && !isCatalogued(category)) {
        return;
    }
    m_categorySelection = category;
    OnListTypeChanged();
}

void SiteSelector::selectSubType(int index) {
    if (index >= 0 && index < m_subTypeEntries.size()) {
        m_subTypeSelection = index;
    }
}

int SiteSelector::subType() const {
    return m_listType == Category::Qq ? m_subTypeSelection : SubType::None;
}

} // namespace phodex
