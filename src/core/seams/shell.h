// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <mutex>

namespace phodex {

// Opening folders and pages in the desktop's own programs.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openFolder(const QString& path) = 0;
    virtual void openPage(const QString& address) = 0;
};

// Opens nothing and remembers what it was asked to open.
class RecordingShell : public Shell {
public:
    void openFolder(const QString& path) override;
    void openPage(const QString& address) override;
    QStringList openedFolders() const;
    QStringList openedPages() const;

private:
    mutable std::mutex m_mutex;
    QStringList m_folders;
    QStringList m_pages;
};

} // namespace phodex
