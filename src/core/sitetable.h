// SPDX-License-Identifier: MIT
#pragma once

#include "core/siteops.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace phodex {

class ListContext;
class PictureContext;

// A list operation: finds the owner's albums for address and hands each one to
// ctx.addAlbum, stopping as soon as that returns false. Finding nothing is not
// an error: the dispatch looks at the album list afterwards.
using ListOperation = std::function<void(ListContext& ctx, const QString& address)>;
// A picture operation: hands every picture of album albumIndex to
// ctx.addPicture, returning as soon as ctx.keepListing() is false.
using PictureOperation = std::function<void(PictureContext& ctx, int albumIndex)>;

// Matches a SubType that has no row of its own in the category.
constexpr int kAnyOtherSubType = -100;

// One row of the site table: a category and variant, the operations that serve
// it, in the order they are tried while nothing was found, and its login entry.
struct SiteRow {
    int listType = 0;
    std::vector<int> subTypes; // {kAnyOtherSubType}: the category's default row
    QString site;              // the site's name
    QString albumIs;           // what one album of the site is
    std::vector<ListOp> listOps;
    std::vector<PictureOp> pictureOps;
    QString login; // the login menu entry serving the site; "" when none
};

// The categories with their operations. The program builds one at start-up
// (adapters/sitetable.h) and hands it to the jobs, which reach the adapters
// only through it. Tests add categories of their own beyond the built-in ones.
class SiteTable {
public:
    void setList(ListOp op, ListOperation operation);
    void setPicture(PictureOp op, PictureOperation operation);
    void addRow(SiteRow row);

    // An operation that was never set is empty.
    const ListOperation& list(ListOp op) const;
    const PictureOperation& picture(PictureOp op) const;
    const std::vector<SiteRow>& rows() const { return m_rows; }

    // The row for a category and variant: the row naming subType, else the
    // category's default row; nullptr when the category has neither. The
    // download job tries the row's picture operations in order while the
    // album gave no picture; a category without rows is "Error ListType Code.",
    // a known category without a row for the variant downloads nothing.
    const SiteRow* rowFor(int listType, int subType) const;
    bool hasCategory(int listType) const;

private:
    std::map<ListOp, ListOperation> m_lists;
    std::map<PictureOp, PictureOperation> m_pictures;
    std::vector<SiteRow> m_rows;
};

} // namespace phodex
