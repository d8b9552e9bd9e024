// SPDX-License-Identifier: MIT
#include "core/sitetable.h"

#include <algorithm>

namespace phodex {

void SiteTable::setList(ListOp op, ListOperation operation) {
    m_lists[op] = std::move(operation);
}

void SiteTable::setPicture(PictureOp op, PictureOperation operation) {
    m_pictures[op] = std::move(operation);
}

void SiteTable::addRow(SiteRow row) {
    m_rows.push_back(std::move(row));
}

const ListOperation& SiteTable::list(ListOp op) const {
    static const ListOperation none;
    const auto it = m_lists.find(op);
    return it == m_lists.end() ? none : it->second;
}

const PictureOperation& SiteTable::picture(PictureOp op) const {
    static const PictureOperation none;
    const auto it = m_pictures.find(op);
    return it == m_pictures.end() ? none : it->second;
}

const SiteRow* SiteTable::rowFor(int listType, int subType) const {
    const SiteRow* fallback = nullptr;
    for (const SiteRow& row : m_rows) {
        if (row.listType != listType)
            continue;
        const auto& subs = row.subTypes;
        if (std::find(subs.begin(), subs.end(), subType) != subs.end())
            return &row;
        if (!fallback && std::find(subs.begin(), subs.end(), kAnyOtherSubType) != subs.end())
            fallback = &row;
    }
    return fallback;
}

bool SiteTable::hasCategory(int listType) const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [&](const SiteRow& row) { return row.listType == listType; });
}

} // namespace phodex
