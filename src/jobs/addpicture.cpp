// SPDX-License-Identifier: MIT
#include "jobs/addpicture.h"

#include "core/seams/jobobserver.h"
#include "core/webaddress.h"
#include "download/picturetype.h"
#include "download/unicodefile.h"
#include "download/worker.h"
#include "jobs/downloadjobfolder.h"
#include "jobs/downloadjobmarker.h"
#include "net/thismachine.h"
#include "settings/makefolder.h"
#include "text/componentlimit.h"

#include <QCoreApplication>

namespace phodex {

QString UniquePictureName(const QString& stem, const QString& ext, const QStringList& names) {
    const auto taken = [&](const QString& name) {
        return names.contains(name, Qt::CaseInsensitive);
    };
    if (!taken(stem + ext))
        return stem + ext;
    for (unsigned counter = 1;; ++counter) {
        const QString tail = QStringLiteral("(%1)").arg(counter) + ext;
        const QString candidate = CutToBytes(stem, kMaxComponentBytes - Utf8Length(tail)) + tail;
        if (!taken(candidate))
            return candidate;
    }
}

DownloadJobContext::DownloadJobContext(const JobEnv& env, Category listType, int subType,
                                       SettingsRecord settings, ExtensionSettings extension,
                                       QString basePath, QString ownerFolder)
    : PictureContext(env, listType, std::move(settings), std::move(extension)), m_subType(subType),
      m_basePath(std::move(basePath)), m_ownerFolder(std::move(ownerFolder)),
      m_folderCopy(m_basePath) {
    m_list.folder = m_basePath;
}

DownloadJobContext::DownloadJobContext(const DownloadJobContext& job, const JobEnv& env)
    : DownloadJobContext(env, job.listType(), job.m_subType, job.settings(), job.extension(),
                         job.m_basePath, job.m_ownerFolder) {}

void DownloadJobContext::beginAlbum(int) {
    m_list.clearPictures();
    m_list.folder = m_basePath;
    m_rememberedFirst.clear();
    std::lock_guard lock(m_folderMutex);
    m_folderCopy = m_basePath;
}

bool DownloadJobContext::writeAlbumText(const QString& name, const QString& text) {
    // Before the first picture the album has no folder of its own yet.
    return !m_list.urls.isEmpty() && WriteUnicodeFile(m_list.folder + name, text);
}

QString DownloadJobContext::currentFolder() const {
    std::lock_guard lock(m_folderMutex);
    return m_folderCopy;
}

NamingContext DownloadJobContext::namingFor(const AlbumInfo& album) const {
    NamingContext naming;
    naming.profile = profile();
    naming.listType = listType();
    naming.albumName = album.name;
    naming.albumInfo = album.info;
    naming.listIndex = album.listIndex;
    naming.reverseIndex = album.reverseIndex;
    naming.createdStamp = album.createdStamp;
    naming.albumCount = session().albums.count();
    naming.selectedCount = session().albums.selectedCount();
    naming.ownerFolder = m_ownerFolder;
    return naming;
}

// The album's first picture makes its folder. The folder is always built from
// the job's base path, so a fallback operation that starts the album again
// does not nest it twice.
void DownloadJobContext::openAlbumFolder(const NamingContext& naming) {
    const QString album = MakeAlbumFolder(naming);
    m_list.folder = album.isEmpty() ? m_basePath : m_basePath + album + u'/';
    MakeFolderPath(m_list.folder);
    TouchFolder(m_list.folder);
    m_rememberedFirst = ReadAlbumMarker(m_list.folder);
    std::lock_guard lock(m_folderMutex);
    m_folderCopy = m_list.folder;
}

QString DownloadJobContext::fileNameFor(const QString& url, const QString& title,
                                        const NamingContext& naming,
                                        const std::optional<QString>& extraText) const {
    const QStringList& names = m_list.names;
    const PictureName picture =
        MakePictureName(url, title, naming, int(names.size()) + 1, extraText);
    QString stem = FitPictureName(picture.name);
    const QString ext = SplitPictureExtension(stem);
    if (picture.numbered || names.isEmpty())
        return stem + ext;
    return UniquePictureName(stem, ext, names);
}

// Everything from the picture that began the album's last download on was
// downloaded before: the album ends here.
bool DownloadJobContext::skipsAsDownloadedBefore(const QString& url) {
    if (!profile().HasOption(kOptionSkipPrevious) || m_rememberedFirst.isEmpty() ||
        m_rememberedFirst != PrimaryAddress(url))
        return false;
    int running = kDownRunning;
    session().downState.compare_exchange_strong(running, kDownAlbumFinished);
    return true;
}

void DownloadJobContext::addPicture(QString& url, const QString& title, const QString& headers,
                                    int albumIndex, const std::optional<QString>& extraText) {
    url = WithWebScheme(url);
    // Site text may not send the program to the services on the user's own
    // machine, unless the user asked for a site there.
    if (PointsAtThisMachine(QUrl(url)) &&
        !PointsAtThisMachine(QUrl(WithWebScheme(session().addressText()))))
        return;
    const NamingContext naming = namingFor(album(albumIndex));
    if (m_list.urls.isEmpty())
        openAlbumFolder(naming);
    const QString name = fileNameFor(url, title, naming, extraText);
    if (skipsAsDownloadedBefore(url))
        return;
    m_list.urls.append(url);
    m_list.names.append(name);
    m_list.headers.append(headers);
    env.observer.detailLine(QCoreApplication::translate("phodex::Jobs", "已获取到%1张图片信息")
                                .arg(m_list.urls.size()));
    if (profile().HasOption(kOptionTitleFile))
        appendTitle(naming.albumName, title);
}

void DownloadJobContext::appendTitle(const QString& albumName, const QString& title) const {
    // One line per picture, so that line n names picture n.
    QString line = title;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    AppendTitleLine(AlbumFilePath(m_list.folder, albumName, QStringLiteral(".txt")), line,
                    m_list.urls.size() == 1);
}

} // namespace phodex
