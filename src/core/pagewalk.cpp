// SPDX-License-Identifier: MIT
#include "core/pagewalk.h"

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
    return true;
}

bool PageWalk::isNew(const QString& key) {
    if (m_seen.contains(key))
        return false;
    m_seen.insert(key);
    ++m_newOnPage;
    return true;
}

} // namespace phodex
