// SPDX-License-Identifier: MIT
#include "core/sitetable.h"

#include "core/jobcontext.h"
#include "core/seams/jobobserver.h"

#include <QCoreApplication>

#include <algorithm>

namespace phodex {

void SiteTable::addFamily(const SiteFamily& family) {
    for (const SiteRow& row : family.rows)
        addRow(row);
    for (const auto& [op, operation] : family.lists)
        setList(op, operation);
    for (const auto& [op, operation] : family.pictures)
        setPicture(op, operation);
    m_dispatches.insert(m_dispatches.end(), family.dispatches.begin(), family.dispatches.end());
}

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

const SiteRow* SiteTable::rowFor(Category listType, int subType) const {
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

bool SiteTable::hasCategory(Category listType) const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [&](const SiteRow& row) { return row.listType == listType; });
}

const SiteDispatch* SiteTable::dispatchFor(Category listType, const QString& address,
                                           int subType) const {
    const SiteDispatch* catchAll = nullptr;
    for (const SiteDispatch& dispatch : m_dispatches) {
        if (dispatch.listType != listType)
            continue;
        if (!dispatch.claims) {
            if (!catchAll)
                catchAll = &dispatch;
        } else if (dispatch.claims(address, subType)) {
            return &dispatch;
        }
    }
    return catchAll;
}

void RunList(ListContext& ctx, ListOp op, const QString& address) {
    if (const ListOperation& operation = ctx.env.sites.list(op))
        operation(ctx, address);
    else
        ctx.env.observer.detailLine(
            QCoreApplication::translate("phodex::Core", "暂不支持获取这个网站的相册"));
}

void RunPictures(PictureContext& ctx, PictureOp op, int albumIndex) {
    if (const PictureOperation& operation = ctx.env.sites.picture(op))
        operation(ctx, albumIndex);
    else
        ctx.env.observer.detailLine(
            QCoreApplication::translate("phodex::Core", "暂不支持下载这个网站的图片"));
}

} // namespace phodex
