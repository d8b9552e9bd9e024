// SPDX-License-Identifier: MIT
// "<导入/导出>": a list file of picture addresses downloaded into the save
// folder, and the ticked albums' pictures written as such a list.
#include "ui/phodexdlg.h"

#include "jobs/downloadjoblist.h"
#include "jobs/picturelistjob.h"
#include "settings/makefolder.h"
#include "settings/record.h"
#include "ui/commandids.h"
#include "ui/historycombo.h"

#include <QFile>

namespace phodex {

void CPhodexDlg::importList() {
    const QString file = m_prompt.chooseOpenFile(tr("下载文件(*.lst *.txt);;所有文件(*)"));
    if (file.isEmpty())
        return;
    QFile list(file);
    const QStringList addresses =
        list.open(QIODevice::ReadOnly) ? ReadAddressList(list.readAll()) : QStringList();
    if (addresses.isEmpty()) {
        m_prompt.information(tr("文件中没有图片网址：%1").arg(file));
        return;
    }
    const QString folder = WithTrailingSlash(m_savePath->text().trimmed());
    if (folder.isEmpty()) {
        m_prompt.information(tr("请先设置保存路径"));
        return;
    }
    const QString failed = MakeFolderPath(folder);
    if (!failed.isEmpty()) {
        m_prompt.information(failed);
        m_prompt.information(tr("请检测设置的保存路径是否有误"));
        return;
    }
    const Category listType = this->listType();
    const DownloadParams params =
        m_session.settings().downloadFor(hasSettingsEntry(listType) ? listType : Category::Qq);
    m_pictureLists->startImport(addresses, folder, params);
}

void CPhodexDlg::exportPictureList(int commandId) {
    const std::vector<int> albums = tickedAlbums();
    if (albums.empty()) {
        m_prompt.information(tr("请先勾选要导出的相册"));
        return;
    }
    const bool thunder = commandId == Command::ExportThunder;
    const QString path =
        thunder ? m_prompt.chooseSaveFile(tr("迅雷下载列表(*.txt)"), QStringLiteral("txt"))
                : m_prompt.chooseSaveFile(tr("下载文件(*.lst)"), QStringLiteral("lst"));
    if (path.isEmpty())
        return;
    // The pictures are listed by the site the albums came from.
    m_pictureLists->startExport(albums, m_session.listType.load(), path);
}

} // namespace phodex
