// SPDX-License-Identifier: MIT
#include "core/album.h"

#include <algorithm>

namespace phodex {

// The first of name, "name (1)", "name (2)" ... that no stored album has.
QString CAlbumList::uniqueName(const QString& name) {
    if (!m_names.contains(name))
        return name;
    unsigned& number = m_nextNumber[name];
    for (number = std::max(number, 1u);; ++number) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(number);
        if (!m_names.contains(candidate))
            return candidate;
    }
}

int CAlbumList::Add(const AlbumInfo& info) {
    AlbumInfo album = info;
    album.thumbIndex = -1;
    album.name.truncate(kAlbumNameMaxChars);
    if (album.name.size() == kAlbumNameMaxChars && album.name.back().isHighSurrogate())
        album.name.chop(1);
    std::lock_guard lock(m_mutex);
    album.listIndex = int(m_albums.size());
    album.name = uniqueName(album.name);
    m_names.insert(album.name);
    m_albums.push_back(std::move(album));
    return int(m_albums.size());
}

AlbumInfo CAlbumList::At(int index) const {
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= int(m_albums.size()))
        return {};
    return m_albums[size_t(index)];
}

int CAlbumList::count() const {
    std::lock_guard lock(m_mutex);
    return int(m_albums.size());
}

std::vector<AlbumInfo> CAlbumList::snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_albums;
}

void CAlbumList::clear() {
    std::lock_guard lock(m_mutex);
    m_albums.clear();
    m_names.clear();
    m_nextNumber.clear();
    m_selectedCount = 0;
}

void CAlbumList::setThumbIndex(int index, int thumbIndex) {
    std::lock_guard lock(m_mutex);
    if (index >= 0 && index < int(m_albums.size()))
        m_albums[size_t(index)].thumbIndex = thumbIndex;
}

void CAlbumList::setName(int index, const QString& name) {
    std::lock_guard lock(m_mutex);
    if (index >= 0 && index < int(m_albums.size()))
        m_albums[size_t(index)].name = name.left(kAlbumNameMaxChars);
}

int CAlbumList::selectedCount() const {
    std::lock_guard lock(m_mutex);
    return m_selectedCount;
}

void CAlbumList::setSelectedCount(int count) {
    std::lock_guard lock(m_mutex);
    m_selectedCount = count;
}

} // namespace phodex
