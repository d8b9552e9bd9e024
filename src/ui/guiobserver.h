// SPDX-License-Identifier: MIT
#pragma once

#include "core/seams/jobobserver.h"

#include <QObject>
#include <QString>

namespace phodex {

// The jobs' observer in the window: every call becomes a signal, and the
// window connects them queued, so a worker thread never touches a widget and
// the window sees the calls in the order the jobs made them.
class GuiJobObserver final : public QObject, public JobObserver {
    Q_OBJECT
public:
    void albumsCleared() override { emit cleared(); }
    void albumAdded(int index) override { emit added(index); }
    void albumsRefilled() override { emit refilled(); }
    void allAlbumsSelected() override { emit selectAll(); }
    void albumCaption(const QString& text) override { emit caption(text); }
    void statusLine(const QString& text) override { emit status(text); }
    void detailLine(const QString& text) override { emit detail(text); }
    void jobStateChanged(JobKind kind, int state) override {
        emit stateChanged(kind == JobKind::List, state);
    }
    // The window's status line already names the album; it shows no bytes.
    void albumStarted(int, int, const QString&) override {}
    void progress(int done, int total, qint64) override { emit progressed(done, total); }
    void addressRecorded(const QString& text) override { emit recorded(text); }

signals:
    void cleared();
    void added(int index);
    void refilled();
    void selectAll();
    void caption(const QString& text);
    void status(const QString& text);
    void detail(const QString& text);
    void stateChanged(bool listJob, int state);
    void progressed(int done, int total);
    void recorded(const QString& text);
};

} // namespace phodex
