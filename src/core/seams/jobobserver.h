// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace phodex {

enum class JobKind { List, Download };

// What the jobs tell the outside world. Called from the job's worker thread:
// the window re-emits every call as a queued signal and never lets a worker
// touch a widget; the command line prints; tests record.
class JobObserver {
public:
    virtual ~JobObserver() = default;

    // A new list job dropped the albums of the previous one.
    virtual void albumsCleared() = 0;
    // Album index was stored in CAlbumList and is to be shown (one grid row).
    virtual void albumAdded(int index) = 0;
    // Every album is to be shown again (mode switch, sort, filter).
    virtual void albumsRefilled() = 0;
    // Tick every album row (a download that starts right after listing).
    virtual void allAlbumsSelected() = 0;
    // The caption of the album group box ("相册列表", "相册列表(共%d个)").
    virtual void albumCaption(const QString& text) = 0;
    virtual void statusLine(const QString& text) = 0;
    virtual void detailLine(const QString& text) = 0;
    // state is listState for JobKind::List and downState for JobKind::Download.
    virtual void jobStateChanged(JobKind kind, int state) = 0;
    // The download job starts on album `position` (1-based) of the `count` ticked.
    virtual void albumStarted(int position, int count, const QString& name) = 0;
    // Pictures of the list being downloaded whose transfer ended, of total;
    // bytes: the size of those of them that were saved.
    virtual void progress(int done, int total, qint64 bytes) = 0;
    // text became entry 0 of the recent addresses (the address box's drop-down list).
    virtual void addressRecorded(const QString& text) = 0;
};

class NullJobObserver : public JobObserver {
public:
    void albumsCleared() override {}
    void albumAdded(int) override {}
    void albumsRefilled() override {}
    void allAlbumsSelected() override {}
    void albumCaption(const QString&) override {}
    void statusLine(const QString&) override {}
    void detailLine(const QString&) override {}
    void jobStateChanged(JobKind, int) override {}
    void albumStarted(int, int, const QString&) override {}
    void progress(int, int, qint64) override {}
    void addressRecorded(const QString&) override {}
};

} // namespace phodex
