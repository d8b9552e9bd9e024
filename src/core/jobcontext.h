// SPDX-License-Identifier: MIT
#pragma once

#include "core/album.h"
#include "core/session.h"
#include "settings/extension.h"
#include "settings/record.h"

#include <QString>

#include <optional>

namespace phodex {

class BrowserBridge;
class JobObserver;
class KeyState;
class Shell;
class SiteTable;
class UserPrompt;

// The services a job works with, set up once by the window or the command
// line and shared by every job of the run.
struct JobEnv {
    Session& session;
    const SiteTable& sites;
    JobObserver& observer;
    UserPrompt& prompt;
    BrowserBridge& browser;
    KeyState& keys;
    Shell& shell;
};

// What every operation sees of the job that runs it: the services, and the
// copies of the category, settings and extension settings the job took when
// it started (the window may change the originals meanwhile).
class JobContext {
public:
    JobContext(const JobEnv& env, Category listType, SettingsRecord settings,
               ExtensionSettings extension);
    virtual ~JobContext() = default;
    JobContext(const JobContext&) = delete;
    JobContext& operator=(const JobContext&) = delete;

    const JobEnv& env;
    Session& session() const { return env.session; }
    Category listType() const { return m_listType; }
    const SettingsRecord& settings() const { return m_settings; }
    // The naming profile and options of the job's category.
    const NamingProfile& profile() const;
    const DownloadParams& downloadParams() const;
    const ExtensionSettings& extension() const { return m_extension; }

private:
    Category m_listType;
    SettingsRecord m_settings;
    ExtensionSettings m_extension;
};

// The album-list job as its list operations see it.
class ListContext : public JobContext {
public:
    using JobContext::JobContext;

    // Cleans the album's name, stores the album and shows its row; while the
    // program is not ready yet nothing is stored. Returns false when a stop
    // was requested: the list operation then returns at once.
    virtual bool addAlbum(const AlbumInfo& album) = 0;
    bool stopRequested() const { return session().listState.load() == kListStopRequested; }
};

// A job that lists albums' pictures (the download job, the export of picture
// lists) as its picture operations see it.
class PictureContext : public JobContext {
public:
    using JobContext::JobContext;

    // The picture intake: names the file, makes the album folder with the
    // first picture and appends to the download list. url is completed in place.
    virtual void addPicture(QString& url, const QString& title, const QString& headers,
                            int albumIndex,
                            const std::optional<QString>& extraText = std::nullopt) = 0;
    // The pictures this context has taken for the current album so far: an
    // operation stops at the album's count, or falls back only when it is 0.
    virtual int listedCount() const = 0;
    // Writes text as the file name (UTF-16LE after a byte order mark) in the
    // folder the album's pictures go to, once its first picture has made it.
    // False, and nothing written, before that and in a context that makes no
    // folders (the export of picture lists for another program).
    virtual bool writeAlbumText(const QString& name, const QString& text) {
        Q_UNUSED(name);
        Q_UNUSED(text);
        return false;
    }
    // False once the album was finished early or a stop was requested.
    bool keepListing() const { return session().downState.load() == kDownRunning; }
    AlbumInfo album(int index) const { return session().albums.At(index); }
};

} // namespace phodex
