// SPDX-License-Identifier: MIT
#include "core/seams/shell.h"

namespace phodex {

void RecordingShell::openFolder(const QString& path) {
    std::lock_guard lock(m_mutex);
    m_folders.append(path);
}

void RecordingShell::openPage(const QString& address) {
    std::lock_guard lock(m_mutex);
    m_pages.append(address);
}

QStringList RecordingShell::openedFolders() const {
    std::lock_guard lock(m_mutex);
    return m_folders;
}

QStringList RecordingShell::openedPages() const {
    std::lock_guard lock(m_mutex);
    return m_pages;
}

} // namespace phodex
