// SPDX-License-Identifier: MIT
// The save folder: the picker, dropped files and folders, the Open button,
// and the record that remembers recent folders.
#include "ui/phodexdlg.h"

#include "core/seams/shell.h"
#include "jobs/downloadjob.h"
#include "settings/record.h"
#include "ui/dialogprompt.h"
#include "ui/historycombo.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace phodex {

void CPhodexDlg::chooseSaveFolder() {
    const QString folder = m_prompt.chooseFolder(tr("请选择文件保存目录："), m_savePath->text());
    if (!folder.isEmpty())
        useSaveFolder(WithTrailingSlash(folder));
}

void CPhodexDlg::useDroppedPath(const QString& path) {
    const QString folder = DroppedFolder(path);
    if (!folder.isEmpty())
        useSaveFolder(folder);
}

void CPhodexDlg::useSaveFolder(const QString& folder) {
    m_savePath->setText(folder);
    const bool added = m_session.updateSettings(
        [&](SettingsRecord& record) { return PushRecent(record, RecentList::SavePaths, folder); });
    if (!added)
        return;
    m_savePath->appendHistory(folder);
    saveSettings();
}

void CPhodexDlg::saveSettings() {
    if (!m_session.workDir.isEmpty())
        SaveSettings(m_session.workDir, m_session.settings());
}

void CPhodexDlg::openSaveFolder() {
    // While pictures arrive, the folder they go to; otherwise the typed one.
    QString folder = m_downloadJob->currentFolder();
    if (folder.isEmpty())
        folder = m_savePath->text().trimmed();
    if (!folder.isEmpty())
        m_shell.openFolder(folder);
}

void CPhodexDlg::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void CPhodexDlg::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    useDroppedPath(urls.first().toLocalFile());
    event->acceptProposedAction();
}

} // namespace phodex
