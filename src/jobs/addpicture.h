// SPDX-License-Identifier: MIT
#pragma once

#include "core/downlist.h"
#include "core/jobcontext.h"
#include "download/naming.h"

#include <QString>
#include <QStringList>

#include <mutex>

namespace phodex {

// stem + ext, or stem + "(n)" + ext with the first n from 1 that no entry of
// names equals, compared without regard to letter case. The stem is shortened
// when the counter would push the name past the file system's limit.
QString UniquePictureName(const QString& stem, const QString& ext, const QStringList& names);

// The download job as its picture operations see it: the picture intake.
// Lives for one job; beginAlbum starts each album.
class DownloadJobContext final : public PictureContext {
public:
    // The job's copies: category and variant, settings, the base path (the
    // save folder with the owner and sub folders, ending with "/") and the
    // owner folder text (escape ?8).
    DownloadJobContext(const JobEnv& env, Category listType, int subType, SettingsRecord settings,
                       ExtensionSettings extension, QString basePath, QString ownerFolder);
    // A context of its own for one album, with the copies `job` took; env
    // may pass the album's lines and questions on differently.
    DownloadJobContext(const DownloadJobContext& job, const JobEnv& env);

    int subType() const { return m_subType; }

    void beginAlbum(int albumIndex);
    void addPicture(QString& url, const QString& title, const QString& headers, int albumIndex,
                    const std::optional<QString>& extraText = std::nullopt) override;
    int listedCount() const override { return int(m_list.urls.size()); }
    bool writeAlbumText(const QString& name, const QString& text) override;

    // The current album's pictures: the job hands them to the download manager.
    const CDownList& downList() const { return m_list; }
    CDownList& downList() { return m_list; }

    // The folder pictures are going to, safe to read from any thread (the
    // window's Open button).
    QString currentFolder() const;

private:
    NamingContext namingFor(const AlbumInfo& album) const;
    void openAlbumFolder(const NamingContext& naming);
    QString fileNameFor(const QString& url, const QString& title, const NamingContext& naming,
                        const std::optional<QString>& extraText) const;
    bool skipsAsDownloadedBefore(const QString& url);
    void appendTitle(const QString& albumName, const QString& title) const;

    CDownList m_list; // on the job thread only; see CDownList
    const int m_subType;
    const QString m_basePath;
    const QString m_ownerFolder;
    QString m_rememberedFirst; // the marker's address for the current album
    mutable std::mutex m_folderMutex;
    QString m_folderCopy;
};

} // namespace phodex
