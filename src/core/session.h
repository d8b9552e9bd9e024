// SPDX-License-Identifier: MIT
#pragma once

#include "core/album.h"
#include "core/sitevalues.h"
#include "settings/extension.h"
#include "settings/record.h"

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

namespace phodex {

// listState
constexpr int kListIdle = 0;
constexpr int kListRunning = 1;
constexpr int kListStopRequested = 2;

// downState
constexpr int kDownIdle = 0;
constexpr int kDownRunning = 1;
constexpr int kDownAlbumFinished = 2; // the rest of this album was downloaded before
constexpr int kDownStopRequested = 3;

constexpr int kNoSubType = -1;

// The three texts in which a list operation leaves per-site values for the
// picture operation of the same site. A listing of another site overwrites
// them: unlike the keys of siteValues(), they are shared by every site.
enum class TextSlot { First = 0, Second = 1, Third = 2 };

// The run state of the program, one instance owned by the window (or the
// command line) for the whole run. Threads hand work over explicitly: job
// states and flags are atomics; texts that several threads read go through the
// accessors below, under a lock; a job copies what it needs when it starts.
class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::atomic<int> listState{kListIdle};
    std::atomic<int> downState{kDownIdle};
    // The jobs' stop flags, raised by their stop requests: every fetch and
    // pacing wait of the job's thread then ends early (net/cancel.h).
    std::atomic<bool> listStopFlag{false}; // the list job's
    std::atomic<bool> stopFlag{false}; // the download and picture-list jobs' (and their workers')
    std::atomic<bool> downloadsRunning{false}; // a download manager is running
    std::atomic<bool> ready{false};            // start-up has finished
    std::atomic<bool> startAtOnce{false}; // the dispatch asks for a download right after listing
    std::atomic<Category> listType{Category::Qq};
    std::atomic<int> subType{kNoSubType};

    CAlbumList albums;

    // Set once before any job starts; read-only afterwards.
    QString workDir;

    QString textSlot(TextSlot slot) const;
    void setTextSlot(TextSlot slot, const QString& text);
    QString ownerFolder() const;
    void setOwnerFolder(const QString& folder);
    QString subFolder() const;
    void setSubFolder(const QString& folder);
    // The address box text as it was when the running job started: the
    // window (or the command line) sets it before starting a job, so that a
    // picture operation never sees what the user typed meanwhile.
    QString addressText() const;
    void setAddressText(const QString& text);
    // What the sites leave for their later operations, by keys of their own.
    SiteValues& siteValues() { return m_siteValues; }
    const SiteValues& siteValues() const { return m_siteValues; }

    // The settings record: the window changes it while jobs run, so a job
    // takes a copy when it starts and changes go through updateSettings.
    SettingsRecord settings() const;
    void setSettings(const SettingsRecord& record);
    // Runs change on the record under the lock and returns what it returned.
    bool updateSettings(const std::function<bool(SettingsRecord&)>& change);

    // What the last read of the extension INI file left; a job reads the file
    // over a copy of it and stores the result back.
    ExtensionSettings extension() const;
    void setExtension(const ExtensionSettings& extension);

private:
    mutable std::mutex m_mutex;
    QString m_ownerFolder;
    QString m_subFolder;
    QString m_addressText;
    SettingsRecord m_settings;
    ExtensionSettings m_extension;
    SiteValues m_siteValues;
};

} // namespace phodex
