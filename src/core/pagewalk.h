// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace phodex {

// Keeps a page walk finite. Sites answer a page number past the end with the
// last page again, and some next-page markers never advance; a walk then
// ends at the first page that brings nothing it has not seen, and in any case
// after a fixed number of pages. A page without any item (its records name
// no picture, or the site left it empty) is judged by its own text, so that
// it ends the walk only when it repeats an earlier page.
//
//     PageWalk walk;
//     while (walk.nextPage()) {
//         ... fetch the page, break on failure ...
//         for (each item)
//             if (walk.isNew(item.key)) ... use the item ...
//         walk.notePage(pageText);
//     }
class PageWalk {
public:
    static constexpr int kDefaultPageCap = 2000;

    explicit PageWalk(int pageCap = kDefaultPageCap) : m_pageCap(pageCap) {}

    // Whether to read one more page: false once the cap is reached or when
    // the page before brought no new item.
    bool nextPage();
    // Notes an item of the current page by what identifies it (an address, an
    // id); false when the walk met it before, on this page or an earlier one.
    bool isNew(const QString& key);
    // Notes the current page by its text when no item of it was noted.
    void notePage(const QString& text);

    int pages() const { return m_pages; }
    // The walk ended because a page repeated what was seen.
    bool stalled() const { return m_stalled; }

private:
    int m_pageCap;
    int m_pages = 0;
    int m_newOnPage = 0;
    int m_itemsOnPage = 0;
    bool m_stalled = false;
    QSet<QString> m_seen;
    QSet<QByteArray> m_seenPages; // digests of the pages noted by their text
};

} // namespace phodex
