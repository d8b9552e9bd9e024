// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <mutex>
#include <vector>

namespace phodex {

// One album, product, post, board or film found by a list operation.
struct AlbumInfo {
    QString name;  // shown in the grid and used for the folder; clean and unique once stored
    QString key;   // what the site's picture operation needs to find the album again
    QString cover; // cover picture address (thumbnail view); a few sites store a marker
    QString info;  // site-specific (QQ group: the creation time, escape ?5 of folder names)
    QString extra; // site-specific
    qint32 photoCount = -1; // -1 when the site does not tell
    qint32 flags = 0; // kAlbumEncrypted | kAlbumPrivate | kAlbumFriendsOnly, or kAlbumRemarkNumber
    qint32 reverseIndex = 0; // escape ?4 of picture names
    qint32 createdStamp = 0; // escape ?5 of picture names
    qint32 listIndex = -1;   // position in CAlbumList, set by Add
    qint32 thumbIndex = -1;  // thumbnail in the grid's image list, -1 none
};

constexpr qint32 kAlbumEncrypted = 0x1;
constexpr qint32 kAlbumPrivate = 0x2;
constexpr qint32 kAlbumFriendsOnly = 0x4;
// With this bit set the low 31 bits are a number shown as the remark.
constexpr qint32 kAlbumRemarkNumber = qint32(0x80000000u);

// Names are cut to this many characters before they are made unique, so that
// two albums differing only further on still get separate folders.
constexpr int kAlbumNameMaxChars = 120;

// The albums of the current list job, in the order the site listed them.
// The list job appends while other threads (grid, download job) read, so every
// access is under one lock and readers get copies.
class CAlbumList {
public:
    // Stores a copy of info: sets listIndex and thumbIndex, cuts the name to
    // kAlbumNameMaxChars and makes it unique with "%s (%u)". The name must
    // already be cleaned (the list context does that). Returns the new count.
    int Add(const AlbumInfo& info);
    // A copy of the record; a default record when index is out of range.
    AlbumInfo At(int index) const;
    int count() const;
    bool isEmpty() const { return count() == 0; }
    std::vector<AlbumInfo> snapshot() const;
    // Drops every album; done when a new list job starts.
    void clear();

    void setThumbIndex(int index, int thumbIndex);
    // For sites whose album pages name the album better than the listing
    // did; name must already be cleaned.
    void setName(int index, const QString& name);

    // Number of albums ticked for the current download job (escape ?6).
    int selectedCount() const;
    void setSelectedCount(int count);

private:
    QString uniqueName(const QString& name);

    mutable std::mutex m_mutex;
    std::vector<AlbumInfo> m_albums;
    // Every stored name, and per name the first number not yet tried: names
    // are only ever added, so a number found taken stays taken.
    QSet<QString> m_names;
    QHash<QString, unsigned> m_nextNumber;
    int m_selectedCount = 0;
};

} // namespace phodex
