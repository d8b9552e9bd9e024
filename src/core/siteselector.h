// SPDX-License-Identifier: MIT
#pragma once

#include "settings/category.h"

#include <QString>
#include <QStringList>

// The state behind the category box and the QQ sub-type box, and the rules
// that keep them in step with the address the user types. The window forwards
// its events here and then shows the state; it must update its widgets with
// their change signals blocked, or the sub-type choice made by
// ClassifyAddress would be reset by a second OnListTypeChanged.
namespace phodex {

class SiteSelector {
public:
    // As at start-up: the QQ category with its sub-type box on its first entry.
    SiteSelector();

    // Runs on every edit of the address box (and on a pick from its history).
    // May change the category and the sub-type selection; text without a web
    // scheme never changes the category.
    void ClassifyAddress(const QString& address);

    // Takes the category box selection as the current ListType and arranges
    // the sub-type box: shown, refilled and on its first entry for the QQ category,
    // hidden otherwise.
    void OnListTypeChanged();

    // The user picked a category (Category::None for an empty box) or a
    // sub-type entry. Values outside the catalogue are ignored.
    void selectCategory(Category category);
    void selectSubType(int index);

    Category listType() const { return m_listType; }
    // What the job takes as SubType: the sub-type box's entry for the QQ category,
    // SubType::None for every other category.
    int subType() const;

    bool subTypeBoxVisible() const { return m_subTypeVisible; }
    // The entries of the sub-type box and its selection (-1 when empty).
    const QStringList& subTypeEntries() const { return m_subTypeEntries; }
    int subTypeSelection() const { return m_subTypeSelection; }

private:
    Category m_categorySelection = Category::Qq;
    Category m_listType = Category::Qq;
    bool m_subTypeVisible = false;
    QStringList m_subTypeEntries;
    int m_subTypeSelection = -1;
};

} // namespace phodex
