// SPDX-License-Identifier: MIT
#pragma once

#include "core/siteops.h"
#include "settings/category.h"

#include <QString>

#include <functional>
#include <map>
#include <string_view>
#include <utility>
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
    Category listType = Category::Qq;
    std::vector<int> subTypes; // {kAnyOtherSubType}: the category's default row
    QString site;              // the site's name
    QString albumIs;           // what one album of the site is
    std::vector<ListOp> listOps;
    std::vector<PictureOp> pictureOps;
    QString login; // the login menu entry serving the site; "" when none
};

// How a family takes the addresses of a category: run turns the address into
// what the family's list operations expect and calls them, shows the site's
// message when nothing was found, sets SubType, the owner folder and the text
// slots, and asks for the download to start at once where the site wants it.
struct SiteDispatch {
    Category listType = Category::Qq;
    // The addresses of the category this dispatch takes; empty: every address
    // that no other dispatch of the category claims.
    std::function<bool(const QString& address, int subType)> claims;
    std::function<void(ListContext& ctx, QString address)> run;
};

// A site family describes itself: its rows, its dispatches and the operations
// it has written. A family whose adapters are not written yet has rows and
// dispatches but no operations; its rows then find nothing and say so.
struct SiteFamily {
    std::string_view name; // the folder of src/adapters it lives in
    std::vector<SiteRow> rows;
    std::vector<SiteDispatch> dispatches;
    std::vector<std::pair<ListOp, ListOperation>> lists;
    std::vector<std::pair<PictureOp, PictureOperation>> pictures;
};

// The categories with their operations. The program builds one at start-up
// from the family list (adapters/sitetable.h) and hands it to the jobs, which
// reach the adapters only through it. Tests add categories of their own
// beyond the built-in ones, or put their own operation in place of one.
class SiteTable {
public:
    void addFamily(const SiteFamily& family);
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
    const SiteRow* rowFor(Category listType, int subType) const;
    bool hasCategory(Category listType) const;
    // The first dispatch of the category that claims the address, else the
    // category's catch-all one; nullptr when the category has no dispatch.
    const SiteDispatch* dispatchFor(Category listType, const QString& address, int subType) const;

private:
    std::map<ListOp, ListOperation> m_lists;
    std::map<PictureOp, PictureOperation> m_pictures;
    std::vector<SiteRow> m_rows;
    std::vector<SiteDispatch> m_dispatches;
};

// Runs the operation, or says on the detail line that the site's adapter is
// not written yet and finds nothing.
void RunList(ListContext& ctx, ListOp op, const QString& address);
void RunPictures(PictureContext& ctx, PictureOp op, int albumIndex);

} // namespace phodex
