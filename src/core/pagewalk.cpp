// SPDX-License-Identifier: MIT
#include "core/pagewalk.h"

#include <QCryptographicHash>

namespace phodex {

bool PageWalk::nextPage() {
    if (m_pages > 0 && m_newOnPage == 0) {
        m_stalled = true;
        return false;
    }
    if (m_pages >= m_pageCap)
        return false;
    ++m_pages;
    m_newOnPage = 0;
    m_itemsOnPage = 0;
    return true;
}

bool PageWalk::isNew(const QString& key) {
    ++m_itemsOnPage;
    if (m_seen.contains(key))
        return false;
    m_seen.insert(key);
    ++m_newOnPage;
    return true;
}

void PageWalk::notePage(const QString& text) {
    if (m_itemsOnPage > 0)
        return;
    const QByteArray digest =
        QCryptographicHash::hash(QStringView(text).toUtf8(), QCryptographicHash::Sha256);
    if (m_seenPages.contains(digest))
        return;
    m_seenPages.insert(digest);
    ++m_newOnPage;
}

} // namespace phodex
